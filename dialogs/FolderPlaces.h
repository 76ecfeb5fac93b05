#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One mounted file system as the system lists it.
struct MountPoint
{
    QString rootPath;
    QByteArray fileSystemType;
    bool ready = true;
};

// What the places are found from: the machine's own in ThisSystem(), a
// made-up one in the tests.
struct PlaceSources
{
    QString home;
    QString user;
    // /run/user/<uid>/gvfs: one entry per phone or network share the desktop opened.
    QString gvfsFolder;
    QList<MountPoint> mounts;
};

// A folder the folder dialog's tree can start at.
struct FolderPlace
{
    QString path;
    QString label;
};

// The home folder, the root, every ready mount below /media, /run/media/<user>
// or /mnt (memory cards, USB disks, shares mounted by hand) in the listed
// order, then every entry of the GVFS folder. System mounts (/boot, snap
// images, container overlays) lie elsewhere or are of a pseudo type and stay
// out; a folder listed twice is offered once.
QList<FolderPlace> FolderPlaces(const PlaceSources &sources);
PlaceSources ThisSystem();

// The place whose folder holds `path` most closely; -1 when none does.
int PlaceOf(const QList<FolderPlace> &places, const QString &path);
