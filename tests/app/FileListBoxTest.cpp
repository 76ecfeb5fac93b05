#include "widgets/FileListBox.h"

#include "MainWindow.h"
#include "services/ImageTypes.h"
#include "TestFiles.h"
#include "services/FolderListing.h"

#include <QDir>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

struct FileListBoxTest : ::testing::Test
{
    QTemporaryDir dir;
    FileListBox list;

    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        for (const char *name : {"IMG_10.JPG", "img_9.jpg", "Bild 1.jpeg", "notes.txt", "scan.TIF",
                                 "b.png", "c.gif"})
            WriteFile(dir.filePath(QString::fromLatin1(name)), "0123456789");
        QDir(dir.path()).mkdir(QStringLiteral("folder.jpg"));
        list.setPattern(ImagePattern());
        list.resize(200, 300);
        ASSERT_TRUE(list.setPath(dir.path()));
    }

    void showList()
    {
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }
};

}

TEST_F(FileListBoxTest, ListsMatchingFilesInAnyCaseNaturallySorted)
{
    EXPECT_EQ(Entries(list), (QStringList{"b.png", "Bild 1.jpeg", "c.gif", "img_9.jpg", "IMG_10.JPG",
                                          "scan.TIF"}));
    EXPECT_EQ(list.Path(), QDir(dir.path()).absolutePath());
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_TRUE(list.FileName().isEmpty());
}

TEST_F(FileListBoxTest, PathIsKeptForAnUnreadableFolderAndEndsWithoutSeparator)
{
    EXPECT_FALSE(list.setPath(dir.filePath(QStringLiteral("gone"))));
    EXPECT_EQ(list.ListCount(), 6);
    EXPECT_EQ(list.Path(), QDir(dir.path()).absolutePath());

    ASSERT_TRUE(list.setPath(QStringLiteral("/")));
    EXPECT_EQ(list.Path(), QStringLiteral("/"));
    ASSERT_TRUE(list.setPath(dir.path() + QLatin1Char('/')));
    EXPECT_FALSE(list.Path().endsWith(QLatin1Char('/')));
}

TEST_F(FileListBoxTest, ExtendedSelectionByMouseAndKeyboard)
{
    showList();
    QSignalSpy changed(&list, &FileListBox::currentEntryChanged);

    ClickEntry(list, 1);
    ClickEntry(list, 3, Qt::ShiftModifier);
    EXPECT_EQ(list.ListIndex(), 3);
    EXPECT_EQ(list.FileName(), QStringLiteral("img_9.jpg"));
    EXPECT_EQ(SelectedRows(list), (QList<int>{1, 2, 3}));

    ClickEntry(list, 5, Qt::ControlModifier);
    EXPECT_EQ(SelectedRows(list), (QList<int>{1, 2, 3, 5}));

    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(list.ListIndex(), 4);
    EXPECT_EQ(changed.count(), 4);
}

TEST_F(FileListBoxTest, FocusByKeyboardMakesNoEntryCurrent)
{
    QWidget before;
    list.setParent(&before);
    auto *edit = new QLineEdit(&before);
    before.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&before));
    edit->setFocus();
    QSignalSpy changed(&list, &FileListBox::currentEntryChanged);
    QTest::keyClick(edit, Qt::Key_Tab);
    ASSERT_TRUE(list.hasFocus());
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(changed.count(), 0);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.ListIndex(), 0);
    EXPECT_EQ(changed.count(), 1);
    list.setParent(nullptr);
}

TEST_F(FileListBoxTest, RightButtonMakesTheEntryPointedAtCurrent)
{
    showList();
    QSignalSpy down(&list, &FileListBox::mouseDown);
    ClickEntry(list, 0);
    ClickEntry(list, 1, {}, Qt::MiddleButton);
    EXPECT_EQ(list.ListIndex(), 0);
    // Outside the selection: it alone; inside: the selection stays.
    ClickEntry(list, 2, {}, Qt::RightButton);
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(SelectedRows(list), QList<int>({2}));
    ClickEntry(list, 0, Qt::ControlModifier);
    ClickEntry(list, 2, {}, Qt::RightButton);
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(SelectedRows(list), QList<int>({0, 2}));
    ASSERT_EQ(down.count(), 5);
    EXPECT_EQ(down.at(0).at(0).toInt(), 1);
    EXPECT_EQ(down.at(1).at(0).toInt(), 4);
    EXPECT_EQ(down.at(2).at(0).toInt(), 2);
}

TEST_F(FileListBoxTest, FollowsTheDiskKeepingSelectionAndCurrentEntry)
{
    showList();
    ClickEntry(list, 1);
    ClickEntry(list, 3, Qt::ControlModifier);
    QSignalSpy current(&list, &FileListBox::currentEntryChanged);
    // Another program adds one photo, renames one and removes one.
    WriteFile(dir.filePath("a.jpg"));
    QFile::rename(dir.filePath("b.png"), dir.filePath("z.png"));
    QFile::remove(dir.filePath("c.gif"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Entries(list).contains("z.png"); }, 5000));
    EXPECT_EQ(Entries(list), (QStringList{"a.jpg", "Bild 1.jpeg", "img_9.jpg", "IMG_10.JPG", "scan.TIF", "z.png"}));
    EXPECT_EQ(list.FileName(), "img_9.jpg");
    EXPECT_EQ(SelectedRows(list), (QList<int>{1, 2}));
    EXPECT_EQ(current.count(), 0);
}
