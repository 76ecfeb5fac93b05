#include "FileContents.h"

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

    QStringList Names() const { return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

    QTemporaryDir dir;
    QString folder;
};

} // namespace

TEST_F(RenameInFolderTest, RenamesWithinTheFolder)
{
    const RenameResult result = RenameInFolder(folder, "IMG_0001.JPG", "Urlaub", ".jpg");
    EXPECT_EQ(result.outcome, RenameOutcome::Renamed);
    EXPECT_EQ(result.newName, "Urlaub.jpg");
    EXPECT_EQ(ReadFile(folder + "Urlaub.jpg"), "first");
    EXPECT_FALSE(QFile::exists(folder + "IMG_0001.JPG"));
}

TEST_F(RenameInFolderTest, UnchangedNameTouchesNothing)
{
    const QStringList before = Names();
    EXPECT_EQ(RenameInFolder(folder, "other.jpg", "other", ".jpg").outcome, RenameOutcome::Unchanged);
    EXPECT_EQ(Names(), before);
}

TEST_F(RenameInFolderTest, NeverReplacesAnotherFileInAnyLetterCase)
{
    for (const QString &base : {QString("other"), QString("OTHER"), QString("Other")}) {
        const RenameResult result = RenameInFolder(folder, "IMG_0001.JPG", base, ".jpg");
        EXPECT_EQ(result.outcome, RenameOutcome::Taken) << base.toStdString();
    }
    // Also a folder of that name.
    ASSERT_TRUE(QDir(folder).mkdir("Album.jpg"));
    EXPECT_EQ(RenameInFolder(folder, "IMG_0001.JPG", "album", ".jpg").outcome, RenameOutcome::Taken);
    EXPECT_EQ(ReadFile(folder + "IMG_0001.JPG"), "first");
    EXPECT_EQ(ReadFile(folder + "other.jpg"), "second");
}

TEST_F(RenameInFolderTest, CaseOnlyChangeOfItsOwnNameCountsAsTaken)
{
    EXPECT_EQ(RenameInFolder(folder, "IMG_0001.JPG", "IMG_0001", ".jpg").outcome, RenameOutcome::Taken);
    EXPECT_TRUE(Names().contains("IMG_0001.JPG"));
}

TEST_F(RenameInFolderTest, InvalidNamesTouchNothing)
{
    ASSERT_TRUE(QDir(folder).mkdir("sub"));
    const QStringList before = Names();
    for (const QString &base : {QString(""), QString("sub/moved"), QString("..\\up"), QString("a\nb")}) {
        const RenameResult result = RenameInFolder(folder, "IMG_0001.JPG", base, ".jpg");
        EXPECT_EQ(result.outcome, RenameOutcome::InvalidName) << base.toStdString();
        EXPECT_FALSE(RenameFailureText(result).isEmpty());
    }
    EXPECT_EQ(Names(), before);
    EXPECT_TRUE(QDir(folder + "sub").isEmpty());
}

TEST_F(RenameInFolderTest, RefusalCarriesTheSystemsReason)
{
    const RenameResult result = RenameInFolder(folder, "IMG_0001.JPG", QString(300, 'x'), ".jpg");
    EXPECT_EQ(result.outcome, RenameOutcome::Failed);
    EXPECT_FALSE(result.error.ok());
    EXPECT_TRUE(RenameFailureText(result).contains(result.error.reason()));
    EXPECT_FALSE(result.error.reason().isEmpty());
    EXPECT_EQ(ReadFile(folder + "IMG_0001.JPG"), "first");
}

TEST_F(RenameInFolderTest, VanishedFileFails)
{
    const RenameResult result = RenameInFolder(folder, "gone.jpg", "new", ".jpg");
    EXPECT_EQ(result.outcome, RenameOutcome::Failed);
    EXPECT_FALSE(QFile::exists(folder + "new.jpg"));
}

TEST(DeleteFromDisk, DeletesTheFileAndReportsFailures)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.jpg");
    WriteFile(path, "x");
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

TEST(ActionTexts, DeleteQuestion)
{
    EXPECT_EQ(DeleteQuestionText("IMG_0001.jpg"), QString("Bild 'IMG_0001.jpg' tatsächlich löschen ?"));
}

TEST(FullPathOf, AddsOneSeparatorOnly)
{
    EXPECT_EQ(FullPathOf("/fotos", "a.jpg"), "/fotos/a.jpg");
    EXPECT_EQ(FullPathOf("/fotos/", "a.jpg"), "/fotos/a.jpg");
    EXPECT_EQ(FullPathOf("/", "a.jpg"), "/a.jpg");
}
