#include "TestFiles.h"

#include "actions/ActionTexts.h"
#include "actions/DeleteFromDisk.h"
#include "actions/FileCommands.h"
#include "actions/RenameInFolder.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RenameInFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + "/";
        WriteFile(folder + "IMG_0001.JPG", "first");
        WriteFile(folder + "other.jpg", "second");
    }

    QTemporaryDir dir;
    QString folder;
};

} // namespace

TEST_F(RenameInFolderTest, RenamesWithinTheFolder)
{
    const HandRenameResult result = RenameInFolder(folder, "IMG_0001.JPG", "Urlaub", ".jpg");
    EXPECT_EQ(result.outcome, HandRenameStatus::Renamed);
    EXPECT_EQ(result.newName, "Urlaub.jpg");
    EXPECT_EQ(ReadBytes(folder + "Urlaub.jpg"), "first");
    EXPECT_FALSE(QFile::exists(folder + "IMG_0001.JPG"));
}

TEST_F(RenameInFolderTest, UnchangedOrInvalidNamesTouchNothing)
{
    ASSERT_TRUE(QDir(folder).mkdir("sub"));
    const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    EXPECT_EQ(RenameInFolder(folder, "other.jpg", "other", ".jpg").outcome, HandRenameStatus::Unchanged);
    // The offered name of IMG_0001.JPG (its extension offered in lower case), confirmed.
    EXPECT_EQ(RenameInFolder(folder, "IMG_0001.JPG", "IMG_0001", ".jpg").outcome, HandRenameStatus::Unchanged);
    for (const QString &base : QStringList{"", "sub/moved", "..\\up", "a\nb"}) {
        const HandRenameResult result = RenameInFolder(folder, "IMG_0001.JPG", base, ".jpg");
        EXPECT_EQ(result.outcome, HandRenameStatus::InvalidName) << base.toStdString();
        EXPECT_FALSE(RenameFailureText(result).isEmpty());
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    EXPECT_TRUE(QDir(folder + "sub").isEmpty());
}

TEST_F(RenameInFolderTest, NeverReplacesAnotherFileOrFolderInAnyLetterCase)
{
    ASSERT_TRUE(QDir(folder).mkdir("Album.jpg"));
    for (const QString &base : QStringList{"other", "OTHER", "Other", "album"}) {
        const HandRenameResult result = RenameInFolder(folder, "IMG_0001.JPG", base, ".jpg");
        EXPECT_EQ(result.outcome, HandRenameStatus::Taken) << base.toStdString();
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({"Album.jpg", "IMG_0001.JPG", "other.jpg"}));
    EXPECT_EQ(ReadBytes(folder + "IMG_0001.JPG"), "first");
    EXPECT_EQ(ReadBytes(folder + "other.jpg"), "second");
}

TEST_F(RenameInFolderTest, ChangeOfLetterCaseOnlyIsARename)
{
    const HandRenameResult result = RenameInFolder(folder, "IMG_0001.JPG", "img_0001", ".jpg");
    EXPECT_EQ(result.outcome, HandRenameStatus::Renamed);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({"img_0001.jpg", "other.jpg"}));
    EXPECT_EQ(ReadBytes(folder + "img_0001.jpg"), "first");
}

TEST_F(RenameInFolderTest, RefusalCarriesTheSystemsReason)
{
    const HandRenameResult result = RenameInFolder(folder, "IMG_0001.JPG", QString(300, 'x'), ".jpg");
    EXPECT_EQ(result.outcome, HandRenameStatus::Failed);
    EXPECT_FALSE(result.error.ok());
    EXPECT_FALSE(result.error.reason().isEmpty());
    EXPECT_TRUE(RenameFailureText(result).contains(result.error.reason()));
    EXPECT_EQ(ReadBytes(folder + "IMG_0001.JPG"), "first");

    EXPECT_EQ(RenameInFolder(folder, "gone.jpg", "new", ".jpg").outcome, HandRenameStatus::Failed);
    EXPECT_FALSE(QFile::exists(folder + "new.jpg"));
}

TEST(DeleteFromDisk, DeletesTheFileAndReportsFailures)
{
    QTemporaryDir dir;
    const QString path = WriteFile(dir.filePath("a.jpg"), "x");
    EXPECT_TRUE(DeleteFromDisk(path).ok());
    EXPECT_FALSE(QFile::exists(path));

    const FileOpResult missing = DeleteFromDisk(path);
    EXPECT_FALSE(missing.ok());
    EXPECT_FALSE(missing.reason().isEmpty());
    EXPECT_TRUE(DeleteFailureText("a.jpg", missing).contains(missing.reason()));

    ASSERT_TRUE(QDir(dir.path()).mkdir("b.jpg"));
    EXPECT_FALSE(DeleteFromDisk(dir.filePath("b.jpg")).ok());
    EXPECT_TRUE(QFileInfo(dir.filePath("b.jpg")).isDir());
}

TEST(FullPathOf, AddsOneSeparatorOnly)
{
    EXPECT_EQ(FullPathOf("/fotos", "a.jpg"), "/fotos/a.jpg");
    EXPECT_EQ(FullPathOf("/fotos/", "a.jpg"), "/fotos/a.jpg");
    EXPECT_EQ(FullPathOf("/", "a.jpg"), "/a.jpg");
}
