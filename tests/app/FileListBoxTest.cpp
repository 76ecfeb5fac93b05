#include "widgets/FileListBox.h"

#include "TestFiles.h"
#include "services/FolderListing.h"

#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct FileListBoxTest : ::testing::Test
{
    QTemporaryDir dir;
    FileListBox list;

    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        for (const char *name : {"IMG_0010.JPG", "img_0002.jpg", "Bild 1.jpeg", "notes.txt",
                                 "scan.TIF", "b.png", "c.gif"})
            WriteBytes(dir.filePath(QString::fromLatin1(name)), 10);
        QDir(dir.path()).mkdir(QStringLiteral("folder.jpg"));
        list.setPattern(ImagePattern);
        list.resize(200, 300);
        ASSERT_TRUE(list.setPath(dir.path()));
    }

    QStringList entries() const
    {
        QStringList names;
        for (int i = 0; i < list.ListCount(); ++i)
            names << list.List(i);
        return names;
    }

    void click(int row, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint at = list.visualRect(list.model()->index(row, 0)).center();
        QTest::mouseClick(list.viewport(), button, modifiers, at);
    }
};

}

TEST_F(FileListBoxTest, ListsMatchingFilesInAnyCaseNaturallySorted)
{
    EXPECT_EQ(entries(), (QStringList{"b.png", "Bild 1.jpeg", "c.gif", "img_0002.jpg",
                                      "IMG_0010.JPG", "scan.TIF"}));
    EXPECT_EQ(list.Path(), QDir(dir.path()).absolutePath());
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_TRUE(list.FileName().isEmpty());
}

TEST_F(FileListBoxTest, UnreadableFolderLeavesTheList)
{
    EXPECT_FALSE(list.setPath(dir.filePath(QStringLiteral("gone"))));
    EXPECT_EQ(list.ListCount(), 6);
    EXPECT_EQ(list.Path(), QDir(dir.path()).absolutePath());
}

TEST_F(FileListBoxTest, RootKeepsItsSeparator)
{
    ASSERT_TRUE(list.setPath(QStringLiteral("/")));
    EXPECT_EQ(list.Path(), QStringLiteral("/"));
    ASSERT_TRUE(list.setPath(dir.path() + QLatin1Char('/')));
    EXPECT_FALSE(list.Path().endsWith(QLatin1Char('/')));
}

TEST_F(FileListBoxTest, RefreshShowsNewFilesAndSelectsNothing)
{
    list.setListIndex(1);
    WriteBytes(dir.filePath(QStringLiteral("a.jpg")), 10);
    list.Refresh();
    EXPECT_EQ(list.List(0), QStringLiteral("a.jpg"));
    EXPECT_EQ(list.ListIndex(), -1);
    for (int i = 0; i < list.ListCount(); ++i)
        EXPECT_FALSE(list.Selected(i));
}

TEST_F(FileListBoxTest, ExtendedSelectionByMouseAndKeyboard)
{
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    QSignalSpy changed(&list, &FileListBox::currentEntryChanged);

    click(1);
    click(3, Qt::ShiftModifier);
    EXPECT_EQ(list.ListIndex(), 3);
    EXPECT_EQ(list.FileName(), QStringLiteral("img_0002.jpg"));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(list.Selected(i), i >= 1 && i <= 3) << i;

    click(5, Qt::ControlModifier);
    EXPECT_TRUE(list.Selected(5));
    EXPECT_TRUE(list.Selected(2));

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

TEST_F(FileListBoxTest, RightButtonReportsButLeavesTheSelection)
{
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    QSignalSpy down(&list, &FileListBox::mouseDown);
    click(0);
    click(2, {}, Qt::RightButton);
    click(2, {}, Qt::MiddleButton);
    ASSERT_EQ(down.count(), 3);
    EXPECT_EQ(down.at(0).at(0).toInt(), 1);
    EXPECT_EQ(down.at(1).at(0).toInt(), 2);
    EXPECT_EQ(down.at(2).at(0).toInt(), 4);
    EXPECT_EQ(list.ListIndex(), 0);
}

TEST(FileListBoxLarge, TwentyThousandEntries)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTemporaryDir dir;
    for (int i = 0; i < 20000; ++i)
        WriteBytes(dir.filePath(QStringLiteral("IMG_%1.JPG").arg(i)), 0);
    FileListBox list;
    list.setPattern(ImagePattern);
    ASSERT_TRUE(list.setPath(dir.path()));
    ASSERT_EQ(list.ListCount(), 20000);
    EXPECT_EQ(list.List(2), QStringLiteral("IMG_2.JPG"));
    EXPECT_EQ(list.List(19999), QStringLiteral("IMG_19999.JPG"));
    list.setListIndex(19999);
    EXPECT_EQ(list.FileName(), QStringLiteral("IMG_19999.JPG"));
}
