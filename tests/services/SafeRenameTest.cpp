#include "services/SafeRename.h"

#include "tests/support/FileTimeSeams.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <unistd.h>

// Both the kernel's no-replace rename and the link fallback (taken where the
// kernel's rename is refused with ENOSYS) keep every promise.
class SafeRenameTest : public ::testing::TestWithParam<int>
{
protected:
    void SetUp() override
    {
        if (GetParam() != 0)
            refused = std::make_unique<NoReplaceRefused>(GetParam());
    }
    std::unique_ptr<NoReplaceRefused> refused;
    QTemporaryDir dir;
    QString a = dir.filePath(u"a.jpg"_qs);
    QString b = dir.filePath(u"b.jpg"_qs);
};

INSTANTIATE_TEST_SUITE_P(Ways, SafeRenameTest, ::testing::Values(0, ENOSYS),
                         [](const auto &info) { return info.param == 0 ? "Kernel" : "Link"; });

TEST_P(SafeRenameTest, RenamesWithinTheFolder)
{
    const QString to = dir.filePath(u"2016-08-28 - 02-24-00.jpg"_qs);
    ASSERT_TRUE(WriteBytes(a, "foto"));
    const FileOpResult result = SafeRename(a, to);
    EXPECT_TRUE(result.ok());
    EXPECT_TRUE(result.reason().isEmpty());
    EXPECT_FALSE(QFile::exists(a));
    EXPECT_EQ(ReadBytes(to), "foto");
}

TEST_P(SafeRenameTest, NeverReplacesAnExistingFile)
{
    ASSERT_TRUE(WriteBytes(a, "neu") && WriteBytes(b, "das alte Foto"));
    const FileOpResult result = SafeRename(a, b);
    EXPECT_EQ(result.error, EEXIST);
    EXPECT_EQ(result.reason(), "Datei existiert bereits");
    EXPECT_EQ(ReadBytes(b), "das alte Foto");
    EXPECT_EQ(ReadBytes(a), "neu");
    EXPECT_FALSE(SafeRename(a, a).ok());
    EXPECT_EQ(ReadBytes(a), "neu");
}

TEST_P(SafeRenameTest, ReportsAMissingSourceOrTargetFolder)
{
    EXPECT_EQ(SafeRename(dir.filePath(u"fehlt.jpg"_qs), b).error, ENOENT);
    EXPECT_FALSE(QFile::exists(b));
    EXPECT_EQ(SafeRename(QString(), b).error, ENOENT);

    ASSERT_TRUE(WriteBytes(a, "foto"));
    EXPECT_EQ(SafeRename(a, dir.filePath(u"nicht/da.jpg"_qs)).error, ENOENT);
    EXPECT_EQ(ReadBytes(a), "foto");
}

// Only the errors that say "no such rename here" lead to the link fallback,
// which asks first; any other refusal is the answer. A second name left by a
// fallback cut short goes only when it names the same file.
TEST(SafeRename, FallsBackToLinkOnlyWhereTheKernelCannotRenameWithoutReplacing)
{
    const struct { int error; bool fallback; } cases[] = {
        {EINVAL, true}, {ENOSYS, true}, {EOPNOTSUPP, true}, {EXDEV, false}, {EACCES, false}, {EPERM, false}};
    for (const auto &c : cases) {
        QTemporaryDir dir;
        const QString from = dir.filePath(u"a.jpg"_qs);
        const QString to = dir.filePath(u"b.jpg"_qs);
        ASSERT_TRUE(WriteBytes(from, "foto"));
        const NoReplaceRefused refused(c.error);
        int asked = 0;
        EXPECT_EQ(SafeRename(from, to, [&] { return FileOpResult{++asked == 1 ? EROFS : 0}; }).error,
                  c.fallback ? EROFS : c.error);
        EXPECT_TRUE(QFile::exists(from));
        EXPECT_EQ(SafeRename(from, to, [&] { return FileOpResult{++asked == 1 ? EROFS : 0}; }).error,
                  c.fallback ? 0 : c.error) << c.error;
        EXPECT_EQ(QFile::exists(to), c.fallback) << c.error;
        EXPECT_NE(QFile::exists(from), c.fallback) << c.error;
    }

    QTemporaryDir dir;
    const QString a = WriteFile(dir.filePath(u"a.jpg"_qs), "foto"), b = dir.filePath(u"b.jpg"_qs),
                  c = WriteFile(dir.filePath(u"c.jpg"_qs), "foto");
    ASSERT_EQ(::link(QFile::encodeName(a).constData(), QFile::encodeName(b).constData()), 0);
    EXPECT_EQ(DropSecondName(a, c).error, EEXIST);
    EXPECT_EQ(DropSecondName(a, dir.filePath(u"fehlt.jpg"_qs)).error, ENOENT);
    EXPECT_TRUE(DropSecondName(a, b).ok());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"a.jpg", "c.jpg"}));
}
