#include "services/FileTime.h"

#include "tests/support/TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>

// Links and times the file system cannot hold are met on the command
// line's road (RenameCommandTest); here the kinds of entry that reach the
// call by a race: gone, or a folder now.
TEST(FileTimeTest, OnlyAFileGetsTheTimeToTheNanosecond)
{
    QTemporaryDir dir;
    const QString file = WriteFile(dir.filePath(u"bild.jpg"_qs), "bild");
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"ordner"_qs));
    const struct timespec access = {1000000000, 123456789}, modified = {1000000100, 987654321};
    EXPECT_EQ(SetFileTimes(file, access, modified), FileTimeResult::Set);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
    EXPECT_EQ(std::pair(st.st_atim.tv_sec, st.st_atim.tv_nsec), std::pair(access.tv_sec, access.tv_nsec));
    EXPECT_EQ(std::pair(st.st_mtim.tv_sec, st.st_mtim.tv_nsec), std::pair(modified.tv_sec, modified.tv_nsec));
    for (const char *name : {"fehlt.jpg", "ordner", ""})
        EXPECT_EQ(SetFileTimes(name[0] ? dir.filePath(QString::fromLatin1(name)) : QString(),
                               std::chrono::sys_seconds(std::chrono::seconds(1472343840))),
                  FileTimeResult::NoFile) << name;
}
