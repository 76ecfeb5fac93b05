#include "services/ImageTypes.h"

#include <QFile>
#include <QMimeDatabase>

#include <gtest/gtest.h>

// The desktop entry offers Fotlex for every type the file list shows: the
// MIME type the system's database gives each extension is in the list the
// entry is made from. Extensions the database does not know (some RAW
// types) come back as application/octet-stream, which is not offered.
TEST(MimeTypes, TheDesktopEntryOffersEveryImageType)
{
    QFile file(QStringLiteral(FOTLEX_MIME_TYPES_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList listed;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith(u'#'))
            listed << line;
    }
    const QMimeDatabase database;
    for (const QString &extension : ImageExtensions()) {
        const QString type =
            database.mimeTypeForFile(QStringLiteral("photo") + extension, QMimeDatabase::MatchExtension).name();
        if (type == u"application/octet-stream")
            continue;
        EXPECT_TRUE(listed.contains(type)) << qPrintable(extension) << " is " << qPrintable(type);
    }
}
