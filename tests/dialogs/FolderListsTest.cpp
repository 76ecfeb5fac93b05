#include "widgets/DirListBox.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DirListBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_TRUE(temp.isValid());
        top = QDir::cleanPath(temp.path());
        for (const char *folder : {"a/b/x10", "a/b/X2", "a/b/y", "a/b/.hidden"})
            ASSERT_TRUE(QDir(top).mkpath(QString::fromLatin1(folder)));
        QFile file(top + "/a/b/bild.jpg");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        list.resize(180, 400);
        list.show();
    }

    QStringList texts() const
    {
        QStringList result;
        for (int i = 0; i < list.ListCount(); ++i)
            result << list.item(i)->text();
        return result;
    }

    void doubleClick(int index)
    {
        const QRect rect = list.visualItemRect(list.item(index));
        // A real double-click starts with a click; QTest sends only the second half.
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, rect.center());
    }

    QTemporaryDir temp;
    QString top;
    DirListBox list;
};

TEST_F(DirListBoxTest, ShowsChainFromRootThenSubfoldersInNaturalOrder)
{
    ASSERT_TRUE(list.setPath(top + "/a/b/"));
    EXPECT_EQ(list.Path(), top + "/a/b");

    const QStringList chain = (top + "/a/b").split('/', Qt::SkipEmptyParts);
    const QStringList shown = texts();
    ASSERT_EQ(shown.size(), chain.size() + 1 + 3);
    EXPECT_EQ(shown.first(), "/");
    EXPECT_EQ(shown.mid(1, chain.size()), chain);
    EXPECT_EQ(shown.mid(chain.size() + 1), (QStringList{"X2", "x10", "y"}));

    EXPECT_EQ(list.OpenIndex(), chain.size());
    EXPECT_EQ(list.ListIndex(), list.OpenIndex());
    EXPECT_EQ(list.List(0), "/");
    EXPECT_EQ(list.List(list.OpenIndex()), top + "/a/b");
    EXPECT_EQ(list.List(list.OpenIndex() + 1), top + "/a/b/X2");
    EXPECT_TRUE(list.List(list.ListCount()).isEmpty());
}

TEST_F(DirListBoxTest, DoubleClickOpensAndSingleClickOnlyHighlights)
{
    ASSERT_TRUE(list.setPath(top + "/a/b"));
    QSignalSpy changed(&list, &DirListBox::pathChanged);
    const int y = list.OpenIndex() + 3;

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(y)).center());
    EXPECT_EQ(list.ListIndex(), y);
    EXPECT_EQ(list.item(y)->text(), "y");
    EXPECT_EQ(list.Path(), top + "/a/b");
    EXPECT_EQ(changed.count(), 0);

    doubleClick(y);
    EXPECT_EQ(list.Path(), top + "/a/b/y");
    EXPECT_EQ(changed.count(), 1);

    doubleClick(list.OpenIndex() - 2);
    EXPECT_EQ(list.Path(), top + "/a");
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(DirListBoxTest, EnterOpensTheHighlightedFolder)
{
    ASSERT_TRUE(list.setPath(top + "/a/b"));
    list.setFocus();
    list.setListIndex(list.OpenIndex() + 1);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(list.Path(), top + "/a/b/X2");
}

TEST_F(DirListBoxTest, RefusesWhatIsNoFolderAndReportsOnlyRealChanges)
{
    ASSERT_TRUE(list.setPath(top + "/a"));
    QSignalSpy changed(&list, &DirListBox::pathChanged);
    EXPECT_FALSE(list.setPath(top + "/missing"));
    EXPECT_FALSE(list.setPath(top + "/a/b/bild.jpg"));
    EXPECT_FALSE(list.setPath(QString()));
    EXPECT_TRUE(list.setPath(top + "/a/"));
    EXPECT_EQ(list.Path(), top + "/a");
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(DirListBoxTest, RefreshAndOpeningCopeWithFoldersThatCameOrWent)
{
    ASSERT_TRUE(list.setPath(top + "/a/b"));
    const int before = list.ListCount();
    ASSERT_TRUE(QDir(top).mkpath("a/b/neu"));
    list.Refresh();
    EXPECT_EQ(list.ListCount(), before + 1);

    ASSERT_TRUE(QDir(top + "/a/b/y").removeRecursively());
    doubleClick(list.ListCount() - 1);
    EXPECT_EQ(list.Path(), top + "/a/b");
    EXPECT_FALSE(texts().contains("y"));

    QSignalSpy changed(&list, &DirListBox::pathChanged);
    ASSERT_TRUE(QDir(top + "/a/b").removeRecursively());
    list.Refresh();
    EXPECT_EQ(list.Path(), top + "/a");
    EXPECT_EQ(changed.count(), 1);
}

} // namespace
