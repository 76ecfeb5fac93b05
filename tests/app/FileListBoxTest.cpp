#include "widgets/FileListBox.h"

#include "ShownWindow.h"
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
        ASSERT_TRUE(list.setFolder(dir.path() + '/'));
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }
};

}

TEST_F(FileListBoxTest, ListsMatchingFilesAndKeepsThePathOfAnUnreadableFolder)
{
    const QStringList listed{"b.png", "Bild 1.jpeg", "c.gif", "img_9.jpg", "IMG_10.JPG", "scan.TIF"};
    EXPECT_EQ(Entries(list), listed);
    EXPECT_EQ(list.folder(), QDir(dir.path()).absolutePath());
    EXPECT_EQ(list.currentRow(), -1);
    EXPECT_FALSE(list.setFolder(dir.filePath(QStringLiteral("gone"))));
    EXPECT_EQ(Entries(list), listed);
    EXPECT_EQ(list.folder(), QDir(dir.path()).absolutePath());
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
    EXPECT_EQ(list.currentName(), "img_9.jpg");
    EXPECT_EQ(SelectedRows(list), (QList<int>{1, 2}));
    EXPECT_EQ(current.count(), 0);
}
