#include "services/SafeRename.h"

#include "tests/support/TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstddef>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int NoSeccomp = 255;

// SafeRename in a child process whose renameat2() fails with `error`, as it
// does on a file system that cannot rename without replacing. The child's
// exit status carries the result's error number.
FileOpResult SafeRenameWhereRenameat2Fails(int error, const QString &from, const QString &to)
{
    const pid_t child = ::fork();
    if (child == 0) {
        sock_filter filter[] = {
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_renameat2, 0, 1),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (unsigned(error) & SECCOMP_RET_DATA)),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW)};
        const sock_fprog program{sizeof filter / sizeof *filter, filter};
        if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0)
            ::_exit(NoSeccomp);
        ::_exit(SafeRename(from, to).error);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return {NoSeccomp};
    return {WEXITSTATUS(status)};
}

}

// Both the kernel's no-replace rename and the link fallback (taken where the
// kernel's rename is refused with ENOSYS) keep every promise.
class SafeRenameTest : public ::testing::TestWithParam<int>
{
protected:
    FileOpResult Rename(const QString &from, const QString &to) const
    {
        return GetParam() == 0 ? SafeRename(from, to) : SafeRenameWhereRenameat2Fails(GetParam(), from, to);
    }
    void SetUp() override
    {
        if (GetParam() != 0 && SafeRenameWhereRenameat2Fails(GetParam(), QString(), QString()).error == NoSeccomp)
            GTEST_SKIP() << "no seccomp filter for a child process";
    }
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
    const FileOpResult result = Rename(a, to);
    EXPECT_TRUE(result.ok());
    EXPECT_TRUE(result.reason().isEmpty());
    EXPECT_FALSE(QFile::exists(a));
    EXPECT_EQ(ReadBytes(to), "foto");
}

TEST_P(SafeRenameTest, NeverReplacesAnExistingFile)
{
    ASSERT_TRUE(WriteBytes(a, "neu") && WriteBytes(b, "das alte Foto"));
    const FileOpResult result = Rename(a, b);
    EXPECT_EQ(result.error, EEXIST);
    EXPECT_EQ(result.reason(), "Datei existiert bereits");
    EXPECT_EQ(ReadBytes(b), "das alte Foto");
    EXPECT_EQ(ReadBytes(a), "neu");
    EXPECT_FALSE(Rename(a, a).ok());
    EXPECT_EQ(ReadBytes(a), "neu");
}

TEST_P(SafeRenameTest, ReportsAMissingSourceOrTargetFolder)
{
    EXPECT_EQ(Rename(dir.filePath(u"fehlt.jpg"_qs), b).error, ENOENT);
    EXPECT_FALSE(QFile::exists(b));
    EXPECT_EQ(Rename(QString(), b).error, ENOENT);

    ASSERT_TRUE(WriteBytes(a, "foto"));
    EXPECT_EQ(Rename(a, dir.filePath(u"nicht/da.jpg"_qs)).error, ENOENT);
    EXPECT_EQ(ReadBytes(a), "foto");
}

// Only the errors that say "no such rename here" lead to the link fallback;
// any other refusal is the answer.
TEST(SafeRename, FallsBackToLinkOnlyWhereTheKernelCannotRenameWithoutReplacing)
{
    if (SafeRenameWhereRenameat2Fails(ENOSYS, QString(), QString()).error == NoSeccomp)
        GTEST_SKIP() << "no seccomp filter for a child process";
    const struct { int error; bool fallback; } cases[] = {
        {EINVAL, true}, {ENOSYS, true}, {EOPNOTSUPP, true}, {EXDEV, false}, {EACCES, false}, {EPERM, false}};
    for (const auto &c : cases) {
        QTemporaryDir dir;
        const QString from = dir.filePath(u"a.jpg"_qs);
        const QString to = dir.filePath(u"b.jpg"_qs);
        ASSERT_TRUE(WriteBytes(from, "foto"));
        EXPECT_EQ(SafeRenameWhereRenameat2Fails(c.error, from, to).error, c.fallback ? 0 : c.error) << c.error;
        EXPECT_EQ(QFile::exists(to), c.fallback) << c.error;
        EXPECT_NE(QFile::exists(from), c.fallback) << c.error;
    }
}
