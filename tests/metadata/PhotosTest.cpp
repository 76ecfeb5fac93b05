#include "metadata/ExifTimes.h"
#include "metadata/clsEXIF.h"

#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

QStringList samplePhotos()
{
    QStringList files;
    QDirIterator it(QStringLiteral(FOTLEX_TESTDATA), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(u".md") && !path.endsWith(u"README"))
            files << path;
    }
    files.sort();
    return files;
}

TEST(PhotosTest, EveryPhotoParsesAndExifTimeOfAgreesWithListEXIF2)
{
    const QStringList files = samplePhotos();
    ASSERT_GE(files.size(), 50);
    clsEXIF reader;
    for (const QString &path : files) {
        reader.setImageFile(path);
        EXPECT_NE(reader.ReadStatus(), 2) << path.toStdString();
        CurrentExifTime.clear();
        reader.ListEXIF2();
        EXPECT_EQ(clsEXIF::ExifTimeOf(path), CurrentExifTime) << path.toStdString();
    }
}

}
