#include "services/SafeRename.h"

#include "tests/support/TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

// Both the kernel's no-replace rename and the link fallback keep every promise.
class SafeRenameTest : public ::testing::TestWithParam<FileOpResult (*)(const QString &, const QString &)>
{
protected:
    FileOpResult Rename(const QString &from, const QString &to) const { return GetParam()(from, to); }
    QTemporaryDir dir;
    QString a = dir.filePath(u"a.jpg"_qs);
    QString b = dir.filePath(u"b.jpg"_qs);
};

INSTANTIATE_TEST_SUITE_P(Ways, SafeRenameTest, ::testing::Values(&SafeRename, &SafeRenameByLink),
                         [](const auto &info) { return info.index == 0 ? "Kernel" : "Link"; });

TEST_P(SafeRenameTest, RenamesWithinTheFolder)
{
    const QString to = dir.filePath(u"2016-08-28 - 02-24-00.jpg"_qs);
    ASSERT_TRUE(WriteBytes(a, "foto"));
    const FileOpResult result = Rename(a, to);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.error, 0);
    EXPECT_TRUE(result.reason().isEmpty());
    EXPECT_FALSE(QFile::exists(a));
    EXPECT_EQ(ReadBytes(to), "foto");
}

TEST_P(SafeRenameTest, NeverReplacesAnExistingFile)
{
    ASSERT_TRUE(WriteBytes(a, "neu") && WriteBytes(b, "das alte Foto"));
    const FileOpResult result = Rename(a, b);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error, EEXIST);
    EXPECT_EQ(result.reason(), "Datei existiert bereits");
    EXPECT_EQ(ReadBytes(b), "das alte Foto");
    EXPECT_EQ(ReadBytes(a), "neu");
    EXPECT_FALSE(Rename(a, a).ok());
    EXPECT_EQ(ReadBytes(a), "neu");
}

TEST_P(SafeRenameTest, ReportsAMissingSourceOrTargetFolder)
{
    const FileOpResult result = Rename(dir.filePath(u"fehlt.jpg"_qs), b);
    EXPECT_EQ(result.error, ENOENT);
    EXPECT_FALSE(result.reason().isEmpty());
    EXPECT_FALSE(QFile::exists(b));
    EXPECT_EQ(Rename(QString(), b).error, ENOENT);

    ASSERT_TRUE(WriteBytes(a, "foto"));
    EXPECT_EQ(Rename(a, dir.filePath(u"nicht/da.jpg"_qs)).error, ENOENT);
    EXPECT_EQ(ReadBytes(a), "foto");
}

TEST_P(SafeRenameTest, NamesThatDifferOnlyInCase)
{
    const QString lower = dir.filePath(u"bild.jpg"_qs);
    const QString upper = dir.filePath(u"BILD.jpg"_qs);
    ASSERT_TRUE(WriteBytes(lower, "klein"));
    // This file system tells the two names apart: a free name is taken ...
    EXPECT_TRUE(Rename(lower, upper).ok());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"BILD.jpg"_qs});
    // ... and a taken one is refused with both files as they were.
    ASSERT_TRUE(WriteBytes(lower, "neu"));
    EXPECT_EQ(Rename(lower, upper).error, EEXIST);
    EXPECT_EQ(ReadBytes(lower), "neu");
    EXPECT_EQ(ReadBytes(upper), "klein");
}
