#include "TestFiles.h"

#include <QFile>

#include <gtest/gtest.h>

QString WriteFile(const QString &path, const QByteArray &content)
{
    EXPECT_TRUE(WriteBytes(path, content)) << path.toStdString();
    return path;
}

QString CopyPhoto(const QString &photo, const QString &folder, const QString &name)
{
    const QString target = folder + QLatin1Char('/') + name;
    EXPECT_TRUE(QFile::copy(QStringLiteral(FOTLEX_TESTDATA "/") + photo, target)) << photo.toStdString();
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

void SetModified(const QString &path, const QDateTime &time)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}
