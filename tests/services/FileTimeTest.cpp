#include "services/FileTime.h"

#include "tests/support/TestFiles.h"
#include "tests/support/TestPhotos.h"

#include <QDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <unistd.h>

// What each kind of entry gets. A file: its times, to the nanosecond. A name
// gone, or a folder now (both met by a race): no file. A refusal: the
// system's reason, never "no file" -- a photo in a folder the process may
// not search, and one it does not own (only root can give a file away).
// Links and times the file system cannot hold are met on the command line's
// road (RenameCommandTest).
TEST(FileTimeTest, EachKindOfEntryGetsItsAnswer)
{
    QTemporaryDir dir;
    const QString file = WriteFile(dir.filePath(u"bild.jpg"_qs), "bild");
    const QString foreign = WriteFile(dir.filePath(u"fremd.jpg"_qs), "bild");
    const bool root = ::geteuid() == 0;
    ASSERT_TRUE(!root || ::chown(QFile::encodeName(foreign).constData(), 65534, 65534) == 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"zu"_qs));
    const QString shut = WriteFile(dir.filePath(u"zu/bild.jpg"_qs), "bild");
    SetMode(dir.filePath(u"zu"_qs), 0);
    using R = FileTimeResult;
    const struct { QString path; FileTimeResult result; int error = 0; } cases[] = {
        {file, R::Set}, {dir.filePath(u"fehlt.jpg"_qs), R::NoFile}, {dir.path(), R::NoFile}, {QString(), R::NoFile},
        {shut, R::Failed, EACCES}, {foreign, root ? R::Failed : R::Set, root ? EPERM : 0}};
    const struct timespec access = {1000000000, 123456789}, modified = {1000000100, 987654321};
    {
        const PermissionsEnforced enforced;
        for (const auto &c : cases) {
            errno = 0;
            EXPECT_EQ(SetFileTimes(c.path, access, modified), c.result) << c.path.toStdString();
            EXPECT_EQ(c.result == R::Failed ? errno : 0, c.error) << c.path.toStdString();
        }
    }
    SetMode(dir.filePath(u"zu"_qs), 0700);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
    EXPECT_EQ(std::pair(st.st_atim.tv_sec, st.st_atim.tv_nsec), std::pair(access.tv_sec, access.tv_nsec));
    EXPECT_EQ(std::pair(st.st_mtim.tv_sec, st.st_mtim.tv_nsec), std::pair(modified.tv_sec, modified.tv_nsec));
}
