#include "TestFiles.h"

#include "actions/ActionTexts.h"
#include "actions/DeleteFromDisk.h"
#include "actions/RenameInFolder.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Every hand rename in a folder of IMG_0001.JPG, other.jpg and the folder
// Album.jpg: the files keep their contents whatever the outcome.
TEST(RenameInFolder, RenamesOnlyToAFreeValidNameAndNeverReplaces)
{
    const struct { const char *current, *base; HandRenameStatus outcome; const char *result; } cases[] = {
        {"IMG_0001.JPG", "Urlaub", HandRenameStatus::Renamed, "Urlaub.jpg"},
        {"IMG_0001.JPG", "img_0001", HandRenameStatus::Renamed, "img_0001.jpg"},
        {"IMG_0001.JPG", "IMG_0001", HandRenameStatus::Unchanged, "IMG_0001.JPG"},
        {"other.jpg", "other", HandRenameStatus::Unchanged, "other.jpg"},
        {"IMG_0001.JPG", "", HandRenameStatus::InvalidName, "IMG_0001.JPG"},
        {"IMG_0001.JPG", "Album/moved", HandRenameStatus::InvalidName, "IMG_0001.JPG"},
        {"IMG_0001.JPG", "a\nb", HandRenameStatus::InvalidName, "IMG_0001.JPG"},
        {"IMG_0001.JPG", "OTHER", HandRenameStatus::Taken, "IMG_0001.JPG"},
        {"IMG_0001.JPG", "album", HandRenameStatus::Taken, "IMG_0001.JPG"},
        {"gone.jpg", "new", HandRenameStatus::Failed, "IMG_0001.JPG"},
    };
    for (const auto &c : cases) {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        WriteFile(folder + "IMG_0001.JPG", "first");
        WriteFile(folder + "other.jpg", "second");
        ASSERT_TRUE(QDir(folder).mkdir("Album.jpg"));
        const HandRenameResult result = RenameInFolder(folder, c.current, c.base, ".jpg");
        EXPECT_EQ(result.outcome, c.outcome) << c.base;
        if (c.outcome == HandRenameStatus::InvalidName || c.outcome == HandRenameStatus::Failed) {
            EXPECT_FALSE(RenameFailureText(result).isEmpty()) << c.base;
        }
        if (c.outcome == HandRenameStatus::Renamed) {
            EXPECT_FALSE(QFile::exists(folder + c.current)) << c.base;
        }
        EXPECT_TRUE(QFile::exists(folder + c.result)) << c.base;
        QStringList contents;
        for (const QString &name : QDir(folder).entryList(QDir::Files))
            contents << ReadBytes(folder + name);
        contents.sort();
        EXPECT_EQ(contents, QStringList({"first", "second"})) << c.base;
        EXPECT_TRUE(QDir(folder + "Album.jpg").isEmpty());
    }
}

TEST(DeleteFromDisk, DeletesTheFileAndReportsFailures)
{
    QTemporaryDir dir;
    const QString path = WriteFile(dir.filePath("a.jpg"), "x");
    EXPECT_TRUE(DeleteFromDisk(path).ok());
    EXPECT_FALSE(QFile::exists(path));
    const FileOpResult missing = DeleteFromDisk(path);
    EXPECT_FALSE(missing.reason().isEmpty());
    EXPECT_TRUE(DeleteFailureText("a.jpg", missing).contains(missing.reason()));
    ASSERT_TRUE(QDir(dir.path()).mkdir("b.jpg"));
    EXPECT_FALSE(DeleteFromDisk(dir.filePath("b.jpg")).ok());
    EXPECT_TRUE(QFileInfo(dir.filePath("b.jpg")).isDir());
}
