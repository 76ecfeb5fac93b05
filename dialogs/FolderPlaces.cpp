#include "dialogs/FolderPlaces.h"

#include <QDir>
#include <QStorageInfo>

#include <algorithm>
#include <pwd.h>
#include <unistd.h>

namespace {

bool IsBelow(const QString &path, const QString &folder)
{
    return path == folder || path.startsWith(folder.endsWith(u'/') ? folder : folder + u'/');
}

}

QList<FolderPlace> FolderPlaces(const PlaceSources &sources)
{
    QList<FolderPlace> places;
    const auto add = [&places](const QString &path, const QString &label) {
        for (const FolderPlace &place : places) {
            if (place.path == path)
                return;
        }
        places.append({path, label});
    };
    const QString home = QDir::cleanPath(sources.home);
    add(home, home);
    add(QStringLiteral("/"), QStringLiteral("/"));
    const QStringList removable = {QStringLiteral("/media"), QStringLiteral("/run/media/") + sources.user,
                                   QStringLiteral("/mnt")};
    for (const MountPoint &mount : sources.mounts) {
        const QString root = QDir::cleanPath(mount.rootPath);
        const bool pseudo = mount.fileSystemType == "squashfs" || mount.fileSystemType == "overlay";
        if (!mount.ready || pseudo || root.isEmpty()
            || std::none_of(removable.begin(), removable.end(),
                            [&root](const QString &folder) { return IsBelow(root, folder); }))
            continue;
        add(root, root);
    }
    if (!sources.gvfsFolder.isEmpty()) {
        const QDir gvfs(sources.gvfsFolder);
        for (const QString &entry : gvfs.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            add(gvfs.filePath(entry), entry);
    }
    return places;
}

PlaceSources ThisSystem()
{
    PlaceSources sources;
    sources.home = QDir::homePath();
    if (const passwd *account = getpwuid(getuid()))
        sources.user = QString::fromLocal8Bit(account->pw_name);
    sources.gvfsFolder = QStringLiteral("/run/user/%1/gvfs").arg(getuid());
    for (const QStorageInfo &storage : QStorageInfo::mountedVolumes())
        sources.mounts.append({storage.rootPath(), storage.fileSystemType(), storage.isValid() && storage.isReady()});
    return sources;
}

int PlaceOf(const QList<FolderPlace> &places, const QString &path)
{
    int best = -1;
    for (int i = 0; i < places.size(); ++i) {
        if (IsBelow(path, places[i].path) && (best < 0 || places[i].path.size() > places[best].path.size()))
            best = i;
    }
    return best;
}
