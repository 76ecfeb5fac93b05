#include "widgets/DirListBox.h"
#include "widgets/DriveListBox.h"
#include "tests/support/ListClicks.h"

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

    void click(int index) { clickItem(list, index); }
    void doubleClick(int index) { doubleClickItem(list, index); }

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

TEST_F(DirListBoxTest, DoubleClickOrEnterOpensAndSingleClickOnlyHighlights)
{
    ASSERT_TRUE(list.setPath(top + "/a/b"));
    QSignalSpy changed(&list, &DirListBox::pathChanged);
    const int y = list.OpenIndex() + 3;

    click(y);
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

    list.setFocus();
    list.setListIndex(list.OpenIndex() + 1);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(list.Path(), top + "/a/b");
}

TEST_F(DirListBoxTest, RefusesWhatIsNoFolderAndReportsOnlyRealChanges)
{
    ASSERT_TRUE(list.setPath(top + "/a"));
    QSignalSpy changed(&list, &DirListBox::pathChanged);
    for (const QString &path : {top + "/missing", top + "/a/b/bild.jpg", QString()})
        EXPECT_FALSE(list.setPath(path)) << path.toStdString();
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

MountedVolume volume(const QString &root, const QByteArray &device, const QByteArray &type = "ext4",
                     const QString &name = {})
{
    return {root, name, device, type, true, true};
}

QStringList rootsOf(const QList<DriveEntry> &entries)
{
    QStringList roots;
    for (const DriveEntry &entry : entries)
        roots << entry.rootPath;
    return roots;
}

TEST(DriveEntries, RootThenHomeThenRealVolumes)
{
    MountedVolume notReady = volume("/media/cd", "/dev/sr0", "iso9660");
    notReady.ready = false;
    MountedVolume boundFile = volume("/etc/hosts", "/dev/vda1");
    boundFile.isFolder = false;
    const QList<MountedVolume> mounted = {
        volume("/", "/dev/sda2"), volume("/proc", "proc", "proc"), volume("/sys/fs/cgroup", "cgroup2", "cgroup2"),
        volume("/dev/shm", "shm", "tmpfs"), volume("/run/user/1000", "tmpfs", "tmpfs"),
        volume("/boot/efi", "/dev/sda1", "vfat"), volume("/snap/core/17", "/dev/loop3", "squashfs"), boundFile,
        notReady, volume("/run/media/anna/STICK", "/dev/sdb1", "vfat", "STICK"),
        volume("/mnt/fotos", "server:/fotos", "nfs4"), volume("/data", "/dev/sdc1"), volume("/data/", "/dev/sdc1"),
        volume("/home/anna", "/dev/sda3"),
    };
    const QList<DriveEntry> entries = DriveEntries(mounted, "/home/anna/");
    EXPECT_EQ(rootsOf(entries), (QStringList{"/", "/home/anna", "/run/media/anna/STICK", "/mnt/fotos", "/data"}));
    EXPECT_EQ(entries[2].text, "/run/media/anna/STICK [STICK]");
    EXPECT_EQ(entries[4].text, "/data");

    // The root alone when home is the root.
    EXPECT_EQ(rootsOf(DriveEntries({}, "/")), QStringList{"/"});
    EXPECT_EQ(rootsOf(DriveEntries({}, "")), QStringList{"/"});
}

class DriveListBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        stick = QDir::cleanPath(temp.path()) + "/stick";
        ASSERT_TRUE(QDir().mkpath(stick + "/DCIM"));
        box.setVolumeSource([this] { return QList<MountedVolume>{volume(stick, "/dev/sdz1", "vfat", "STICK")}; });
    }

    QTemporaryDir temp;
    QString stick;
    DriveListBox box;
};

TEST_F(DriveListBoxTest, ChoosesTheDriveThatHoldsAPath)
{
    ASSERT_EQ(box.ListCount(), QDir::homePath() == "/" ? 2 : 3);
    QSignalSpy changed(&box, &DriveListBox::driveChanged);

    box.setDrive(stick + "/DCIM");
    EXPECT_EQ(box.Drive(), stick);
    EXPECT_EQ(changed.count(), 1);

    box.setDrive(stick + "/DCIM/");
    EXPECT_EQ(changed.count(), 1);

    box.setDrive(stick + "x");
    EXPECT_NE(box.Drive(), stick);
    EXPECT_EQ(changed.count(), 2);

    box.setDrive("/");
    EXPECT_EQ(box.Drive(), "/");
}

TEST_F(DriveListBoxTest, AVolumeGoneWhenChosenKeepsTheDriveShownBefore)
{
    box.setDrive("/");
    QSignalSpy changed(&box, &DriveListBox::driveChanged);
    ASSERT_TRUE(QDir(stick).removeRecursively());
    box.setCurrentIndex(box.ListCount() - 1);
    EXPECT_EQ(box.Drive(), "/");
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(DriveListBoxTest, ChosenDriveThatDisappearsFallsBackToTheRoot)
{
    box.setDrive(stick);
    QSignalSpy changed(&box, &DriveListBox::driveChanged);
    box.setVolumeSource([] { return QList<MountedVolume>{}; });
    EXPECT_EQ(box.Drive(), "/");
    EXPECT_EQ(changed.count(), 1);
}

} // namespace
