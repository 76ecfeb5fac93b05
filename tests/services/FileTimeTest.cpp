#include "services/FileTime.h"

#include "tests/support/FileTimeSeams.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

using std::chrono::sys_seconds;

constexpr struct timespec Access = {1000000000, 123456789};
constexpr struct timespec Modified = {1000000100, 987654321};

// Access and modification time of the entry itself, to the nanosecond.
std::pair<struct timespec, struct timespec> TimesOf(const QString &path)
{
    struct stat st {};
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
    return {st.st_atim, st.st_mtim};
}

bool Same(const std::pair<struct timespec, struct timespec> &a, const std::pair<struct timespec, struct timespec> &b)
{
    return a.first.tv_sec == b.first.tv_sec && a.first.tv_nsec == b.first.tv_nsec
        && a.second.tv_sec == b.second.tv_sec && a.second.tv_nsec == b.second.tv_nsec;
}

} // namespace

// Each kind of entry, on a file system that clamps as ext4 does: a time it
// holds is set and read back; one it cannot hold leaves the file's own
// times to the nanosecond; a link touches neither itself nor its target.
TEST(FileTimeTest, EachKindOfEntryGetsTheTimeOrKeepsItsOwn)
{
    QTemporaryDir dir, outside;
    const Ext4TimeRange ext4;
    const QString target = WriteFile(outside.filePath(u"ziel.jpg"_qs), "ziel");
    ASSERT_EQ(SetFileTimes(target, Access, Modified), FileTimeResult::Set);
    const auto targetTimes = TimesOf(target);
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(dir.filePath(u"link.jpg"_qs)).constData()), 0);
    const struct { const char *name; sys_seconds moment; FileTimeResult result; } cases[] = {
        {"bild.jpg", sys_seconds(std::chrono::seconds(1472343840)), FileTimeResult::Set},
        {"bild.jpg", sys_seconds(std::chrono::seconds(-2147483648LL)), FileTimeResult::Set},
        {"bild.jpg", sys_seconds(std::chrono::seconds(-5364662400LL)), FileTimeResult::OutOfRange},  // 1800
        {"bild.jpg", sys_seconds(std::chrono::seconds(16725225600LL)), FileTimeResult::OutOfRange},  // 2500
        {"fehlt.jpg", sys_seconds(std::chrono::seconds(1472343840)), FileTimeResult::NoFile},
        {"ordner", sys_seconds(std::chrono::seconds(1472343840)), FileTimeResult::NoFile},
        {"link.jpg", sys_seconds(std::chrono::seconds(1472343840)), FileTimeResult::SymbolicLink},
    };
    WriteFile(dir.filePath(u"bild.jpg"_qs), "bild");
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"ordner"_qs));
    for (const auto &c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        const bool photo = path.endsWith(u"bild.jpg");
        if (photo)
            ASSERT_EQ(SetFileTimes(path, Access, Modified), FileTimeResult::Set);
        const auto before = c.result == FileTimeResult::NoFile ? decltype(TimesOf(path))() : TimesOf(path);
        const qint64 seconds = c.moment.time_since_epoch().count();
        EXPECT_EQ(SetFileTimes(path, c.moment), c.result) << c.name << " " << seconds;
        if (c.result == FileTimeResult::Set) {
            EXPECT_EQ(TimesOf(path).first.tv_sec, seconds);
            EXPECT_EQ(TimesOf(path).second.tv_sec, seconds);
        } else if (c.result != FileTimeResult::NoFile) {
            EXPECT_TRUE(Same(TimesOf(path), before)) << c.name << " " << seconds;
        }
    }
    EXPECT_TRUE(Same(TimesOf(target), targetTimes));
    EXPECT_EQ(ReadBytes(dir.filePath(u"bild.jpg"_qs)), "bild");
}
