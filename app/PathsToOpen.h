#pragma once

#include <QString>
#include <QStringList>

// What the window makes of the paths it is given (on the command line, by a
// second start, in the path field): the folder to open, the photos to select
// in it, and the paths it cannot follow, for a message.
struct PathsToOpen
{
    // The first folder named, or the folder of the first photo named; empty
    // when no path names either.
    QString folder;
    // The names of the photos named that lie in that folder, in their order.
    QStringList wanted;
    QStringList missing;
    // Photos and folders beyond the first that lie elsewhere.
    QStringList elsewhere;
    // Files that are not of the photo types.
    QStringList notPhotos;
};

// `paths` are absolute. A photo is a file of the list's types; that it
// exists is what the file system says (a memory card may match letter case
// loosely).
PathsToOpen SortPaths(const QStringList &paths);

// The German message naming the paths not followed; empty when there are none.
QString PathsNotFollowedText(const PathsToOpen &paths);

// "Der Ordner '…' kann nicht gelesen werden."
QString FolderUnreadableText(const QString &folder);
