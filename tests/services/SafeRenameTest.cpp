#include "services/SafeRename.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

void Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<fehlt>");
}

}

// Both the kernel's no-replace rename and the link fallback keep every promise.
class SafeRenameTest : public ::testing::TestWithParam<FileOpResult (*)(const QString &, const QString &)>
{
protected:
    FileOpResult Rename(const QString &from, const QString &to) const { return GetParam()(from, to); }
    QTemporaryDir dir;
};

INSTANTIATE_TEST_SUITE_P(Ways, SafeRenameTest, ::testing::Values(&SafeRename, &SafeRenameByLink),
                         [](const auto &info) { return info.index == 0 ? "Kernel" : "Link"; });

TEST_P(SafeRenameTest, RenamesWithinTheFolder)
{
    const QString from = dir.filePath(QStringLiteral("IMG_0001.JPG"));
    const QString to = dir.filePath(QStringLiteral("2016-08-28 - 02-24-00.jpg"));
    Write(from, "foto");
    const FileOpResult result = Rename(from, to);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.error, 0);
    EXPECT_TRUE(result.reason().isEmpty());
    EXPECT_FALSE(QFile::exists(from));
    EXPECT_EQ(Read(to), QByteArray("foto"));
}

TEST_P(SafeRenameTest, NeverReplacesAnExistingFile)
{
    const QString from = dir.filePath(QStringLiteral("a.jpg"));
    const QString to = dir.filePath(QStringLiteral("b.jpg"));
    Write(from, "neu");
    Write(to, "das alte Foto");
    const FileOpResult result = Rename(from, to);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error, EEXIST);
    EXPECT_EQ(result.reason(), QString::fromLocal8Bit(std::strerror(EEXIST)));
    EXPECT_EQ(Read(to), QByteArray("das alte Foto"));
    EXPECT_EQ(Read(from), QByteArray("neu"));

    const FileOpResult self = Rename(from, from);
    EXPECT_FALSE(self.ok());
    EXPECT_EQ(Read(from), QByteArray("neu"));
}

TEST_P(SafeRenameTest, ReportsAMissingSource)
{
    const QString to = dir.filePath(QStringLiteral("b.jpg"));
    const FileOpResult result = Rename(dir.filePath(QStringLiteral("fehlt.jpg")), to);
    EXPECT_EQ(result.error, ENOENT);
    EXPECT_FALSE(result.reason().isEmpty());
    EXPECT_FALSE(QFile::exists(to));
    EXPECT_EQ(Rename(QString(), to).error, ENOENT);
}

TEST_P(SafeRenameTest, ReportsAMissingTargetFolder)
{
    const QString from = dir.filePath(QStringLiteral("a.jpg"));
    Write(from, "foto");
    EXPECT_EQ(Rename(from, dir.filePath(QStringLiteral("nicht/da.jpg"))).error, ENOENT);
    EXPECT_EQ(Read(from), QByteArray("foto"));
}

TEST_P(SafeRenameTest, NamesThatDifferOnlyInCase)
{
    const QString lower = dir.filePath(QStringLiteral("bild.jpg"));
    const QString upper = dir.filePath(QStringLiteral("BILD.jpg"));
    Write(lower, "klein");
    // This file system tells the two names apart: a free name is taken ...
    EXPECT_TRUE(Rename(lower, upper).ok());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("BILD.jpg")});
    // ... and a taken one is refused with both files as they were.
    Write(lower, "neu");
    EXPECT_EQ(Rename(lower, upper).error, EEXIST);
    EXPECT_EQ(Read(lower), QByteArray("neu"));
    EXPECT_EQ(Read(upper), QByteArray("klein"));
}
