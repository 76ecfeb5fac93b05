#include "widgets/FileListBox.h"

#include "MainWindow.h"
#include "services/ImageTypes.h"

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
        for (const char *name : {"IMG_10.JPG", "img_9.jpg", "Bild 1.jpeg", "notes.txt", "scan.TIF", "b.png", "c.gif"})
            WriteFile(dir.filePath(QString::fromLatin1(name)), "0123456789");
        QDir(dir.path()).mkdir(QStringLiteral("folder.jpg"));
        list.setPattern(ImagePattern());
        list.resize(200, 300);
        ASSERT_TRUE(list.setPath(dir.path() + '/'));
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }
};

}

TEST_F(FileListBoxTest, ListsMatchingFilesAndKeepsThePathOfAnUnreadableFolder)
{
    const QStringList listed{"b.png", "Bild 1.jpeg", "c.gif", "img_9.jpg", "IMG_10.JPG", "scan.TIF"};
    EXPECT_EQ(Entries(list), listed);
    EXPECT_EQ(list.Path(), QDir(dir.path()).absolutePath());
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_FALSE(list.setPath(dir.filePath(QStringLiteral("gone"))));
    EXPECT_EQ(Entries(list), listed);
    EXPECT_EQ(list.Path(), QDir(dir.path()).absolutePath());
}

TEST_F(FileListBoxTest, ExtendedSelectionAndTheRightButton)
{
    QSignalSpy changed(&list, &FileListBox::currentEntryChanged);
    QSignalSpy down(&list, &FileListBox::mouseDown);
    ClickEntry(list, 1);
    ClickEntry(list, 3, Qt::ShiftModifier);
    EXPECT_EQ(list.FileName(), QStringLiteral("img_9.jpg"));
    ClickEntry(list, 5, Qt::ControlModifier);
    EXPECT_EQ(SelectedRows(list), (QList<int>{1, 2, 3, 5}));
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(list.ListIndex(), 4);
    EXPECT_EQ(changed.count(), 4);

    // The middle button changes nothing; the right one, outside the
    // selection, makes the entry the only one, inside keeps the selection.
    ClickEntry(list, 0);
    ClickEntry(list, 1, {}, Qt::MiddleButton);
    EXPECT_EQ(list.ListIndex(), 0);
    ClickEntry(list, 2, Qt::ControlModifier);
    ClickEntry(list, 2, {}, Qt::RightButton);
    EXPECT_EQ(SelectedRows(list), QList<int>({0, 2}));
    ClickEntry(list, 1, {}, Qt::RightButton);
    EXPECT_EQ(list.ListIndex(), 1);
    EXPECT_EQ(SelectedRows(list), QList<int>({1}));
    ASSERT_EQ(down.count(), 8);
    EXPECT_EQ(down.at(4).at(0).toInt(), 4);
    EXPECT_EQ(down.at(6).at(0).toInt(), 2);
}

TEST_F(FileListBoxTest, FollowsTheDiskKeepingSelectionAndCurrentEntry)
{
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
