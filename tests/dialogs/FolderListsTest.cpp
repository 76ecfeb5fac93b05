#include "DialogDriving.h"
#include "widgets/DirListBox.h"
#include "widgets/DriveListBox.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DirListBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
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

    QTemporaryDir temp;
    QString top;
    DirListBox list;
};

TEST_F(DirListBoxTest, ChainFromTheRootThenSubfoldersAndOnlyRealChangesReported)
{
    QSignalSpy changed(&list, &DirListBox::pathChanged);
    ASSERT_TRUE(list.setPath(top + "/a/b/"));
    EXPECT_EQ(list.Path(), top + "/a/b");
    const QStringList chain = (top + "/a/b").split('/', Qt::SkipEmptyParts);
    EXPECT_EQ(texts(), (QStringList{"/"} + chain + QStringList{"X2", "x10", "y"}));
    EXPECT_EQ(list.ListIndex(), chain.size());
    EXPECT_EQ(list.List(chain.size() + 1), top + "/a/b/X2");
    EXPECT_TRUE(list.List(list.ListCount()).isEmpty());

    for (const QString &path : {top + "/missing", top + "/a/b/bild.jpg", QString()})
        EXPECT_FALSE(list.setPath(path)) << path.toStdString();
    EXPECT_TRUE(list.setPath(top + "/a/b"));
    EXPECT_EQ(changed.count(), 1);
}

MountedVolume volume(const QString &root, const QByteArray &device, const QByteArray &type = "ext4",
                     const QString &name = {})
{
    return {root, name, device, type, true, true};
}

TEST(DriveListBoxTest, ChoosesTheDriveOfAPathAndFallsBackWhenItGoes)
{
    QTemporaryDir temp;
    const QString stick = QDir::cleanPath(temp.path()) + "/stick";
    ASSERT_TRUE(QDir().mkpath(stick + "/DCIM"));
    DriveListBox box;
    box.setVolumeSource([&] { return QList<MountedVolume>{volume(stick, "/dev/sdz1", "vfat", "STICK")}; });
    QSignalSpy changed(&box, &DriveListBox::driveChanged);
    box.setDrive(stick + "/DCIM");
    EXPECT_EQ(box.Drive(), stick);
    box.setDrive(stick + "/DCIM/");
    box.setDrive(stick + "x");
    EXPECT_NE(box.Drive(), stick);
    EXPECT_EQ(changed.count(), 2);

    // A volume gone when chosen keeps the drive shown before ...
    box.setDrive("/");
    const int changes = changed.count();
    ASSERT_TRUE(QDir(stick).removeRecursively());
    box.setCurrentIndex(box.ListCount() - 1);
    EXPECT_EQ(box.Drive(), "/");
    EXPECT_EQ(changed.count(), changes);
    // ... and a chosen one that disappears falls back to the root.
    ASSERT_TRUE(QDir().mkpath(stick));
    box.setDrive(stick);
    box.setVolumeSource([] { return QList<MountedVolume>{}; });
    EXPECT_EQ(box.Drive(), "/");
    EXPECT_EQ(changed.count(), changes + 2);
}

} // namespace
