#include "widgets/DriveListBox.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

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
        volume("/", "/dev/sda2"),
        volume("/proc", "proc", "proc"),
        volume("/sys/fs/cgroup", "cgroup2", "cgroup2"),
        volume("/dev/shm", "shm", "tmpfs"),
        volume("/run/user/1000", "tmpfs", "tmpfs"),
        volume("/boot/efi", "/dev/sda1", "vfat"),
        volume("/snap/core/17", "/dev/loop3", "squashfs"),
        boundFile,
        notReady,
        volume("/run/media/anna/STICK", "/dev/sdb1", "vfat", "STICK"),
        volume("/mnt/fotos", "server:/fotos", "nfs4"),
        volume("/data", "/dev/sdc1"),
        volume("/data/", "/dev/sdc1"),
        volume("/home/anna", "/dev/sda3"),
    };
    const QList<DriveEntry> entries = DriveEntries(mounted, "/home/anna/");
    EXPECT_EQ(rootsOf(entries),
              (QStringList{"/", "/home/anna", "/run/media/anna/STICK", "/mnt/fotos", "/data"}));
    EXPECT_EQ(entries[2].text, "/run/media/anna/STICK [STICK]");
    EXPECT_EQ(entries[4].text, "/data");
}

TEST(DriveEntries, RootAloneWhenHomeIsTheRoot)
{
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
