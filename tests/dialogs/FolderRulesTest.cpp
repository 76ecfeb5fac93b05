#include "dialogs/FolderPlaces.h"
#include "dialogs/NewFolderName.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A made-up machine: the user's card, USB disk and NAS share are offered,
// another user's disk, system mounts, snap images, container overlays, a
// mount not ready and a second listing of the card are not.
TEST(FolderPlaces, HomeRootRemovableMountsAndGvfsEntries)
{
    QTemporaryDir gvfs;
    for (const char *entry : {"smb-share:server=nas,share=fotos", "mtp:host=Pixel_7"})
        ASSERT_TRUE(QDir(gvfs.path()).mkdir(entry));
    PlaceSources sources{"/home/anna/", "anna", gvfs.path(),
                         {{"/", "ext4"}, {"/boot/efi", "vfat"}, {"/media/anna/CARD", "exfat"},
                          {"/run/media/anna/USB", "vfat"}, {"/run/media/bob/DISK", "vfat"}, {"/mnt/nas", "nfs4"},
                          {"/snap/core22/1380", "squashfs"}, {"/media/anna/image", "squashfs"},
                          {"/var/lib/docker/overlay2/1/merged", "overlay"}, {"/media/anna/CARD/", "exfat"},
                          {"/media/anna/LEER", "vfat", false}, {"/home/anna", "ext4"}}};
    QStringList paths, labels;
    const QList<FolderPlace> places = FolderPlaces(sources);
    for (const FolderPlace &place : places) {
        paths << place.path;
        labels << place.label;
    }
    const QString share = gvfs.filePath("smb-share:server=nas,share=fotos");
    const QString phone = gvfs.filePath("mtp:host=Pixel_7");
    EXPECT_EQ(paths, QStringList({"/home/anna", "/", "/media/anna/CARD", "/run/media/anna/USB", "/mnt/nas",
                                  phone, share}));
    EXPECT_EQ(labels.mid(5), QStringList({"mtp:host=Pixel_7", "smb-share:server=nas,share=fotos"}));

    // The place that holds a folder most closely; a name that only begins like a place's is not in it.
    const std::pair<const char *, int> held[] = {{"/media/anna/CARD/DCIM", 2}, {"/media/anna/CARD", 2},
                                                 {"/home/anna/Bilder", 0}, {"/media/anna/CARDS", 1}, {"/etc", 1}};
    for (const auto &[path, place] : held)
        EXPECT_EQ(PlaceOf(places, path), place) << path;
    EXPECT_EQ(PlaceOf({{"/home/anna", "anna"}}, "/etc"), -1);
}

TEST(CheckNewFolderName, RefusesDotsSeparatorsControlCharactersAndLongNames)
{
    const std::pair<QString, FolderNameFault> cases[] = {
        {"Urlaub (Rom), Tag 1.5", FolderNameFault::None}, {"..versteckt", FolderNameFault::None},
        {QString(255, u'x'), FolderNameFault::None}, {".", FolderNameFault::DotLevel},
        {"..", FolderNameFault::DotLevel}, {"Reise/Tag 1", FolderNameFault::Separator},
        {"Tab\there", FolderNameFault::ControlCharacter}, {QString("x") + QChar(0x85), FolderNameFault::ControlCharacter},
        {QString(256, u'x'), FolderNameFault::TooLong}, {QString(128, u'ä'), FolderNameFault::TooLong}};
    for (const auto &[name, fault] : cases)
        EXPECT_EQ(CheckNewFolderName(name), fault) << name.toStdString();
}
