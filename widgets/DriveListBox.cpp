#include "widgets/DriveListBox.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

bool isBelow(const QString &path, const QString &root)
{
    if (root == QLatin1String("/"))
        return true;
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

// Mount points that hold the system rather than the user's data. Removable
// media mounted by the desktop live below /run/media and stay.
bool isSystemMount(const QString &root)
{
    if (isBelow(root, QStringLiteral("/run/media")))
        return false;
    static const QStringList system = {
        QStringLiteral("/proc"), QStringLiteral("/sys"), QStringLiteral("/dev"),
        QStringLiteral("/run"), QStringLiteral("/boot"), QStringLiteral("/efi"),
        QStringLiteral("/snap"), QStringLiteral("/usr"), QStringLiteral("/etc"),
        QStringLiteral("/var/lib"),
    };
    for (const QString &folder : system) {
        if (isBelow(root, folder))
            return true;
    }
    return false;
}

bool holdsUserData(const MountedVolume &volume)
{
    static const QList<QByteArray> networkTypes = {"nfs", "nfs4", "cifs", "smb3", "smbfs"};
    return volume.device.startsWith("/dev/") || networkTypes.contains(volume.fileSystemType);
}

bool driveReady(const QString &root)
{
    if (!QFileInfo(root).isDir())
        return false;
    const QStorageInfo storage(root);
    return storage.isValid() && storage.isReady();
}

} // namespace

QList<DriveEntry> DriveEntries(const QList<MountedVolume> &mounted, const QString &home)
{
    const QString root = QStringLiteral("/");
    QList<DriveEntry> entries{{root, QDir::toNativeSeparators(root)}};
    QStringList roots{root};
    const QString homeFolder = QDir::cleanPath(home);
    if (!home.isEmpty() && homeFolder != root) {
        entries.append({homeFolder, QDir::toNativeSeparators(homeFolder)});
        roots.append(homeFolder);
    }
    for (const MountedVolume &volume : mounted) {
        const QString folder = QDir::cleanPath(volume.rootPath);
        if (!volume.ready || !volume.isFolder || volume.rootPath.isEmpty() || roots.contains(folder)
            || isSystemMount(folder) || !holdsUserData(volume))
            continue;
        QString text = QDir::toNativeSeparators(folder);
        if (!volume.name.isEmpty())
            text += QStringLiteral(" [%1]").arg(volume.name);
        entries.append({folder, text});
        roots.append(folder);
    }
    return entries;
}

QList<MountedVolume> MountedVolumes()
{
    QList<MountedVolume> volumes;
    for (const QStorageInfo &storage : QStorageInfo::mountedVolumes()) {
        volumes.append({storage.rootPath(), storage.name(), storage.device(), storage.fileSystemType(),
                        storage.isValid() && storage.isReady(), QFileInfo(storage.rootPath()).isDir()});
    }
    return volumes;
}

DriveListBox::DriveListBox(QWidget *parent)
    : QComboBox(parent), source_(MountedVolumes)
{
    connect(this, &QComboBox::currentIndexChanged, this, &DriveListBox::choose);
    Refresh();
    setDrive(QDir::currentPath());
}

void DriveListBox::setVolumeSource(VolumeSource source)
{
    source_ = std::move(source);
    Refresh();
}

QString DriveListBox::Drive() const
{
    return drive_;
}

void DriveListBox::setDrive(const QString &path)
{
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = List(i);
        if (isBelow(folder, root) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    if (best >= 0)
        setCurrentIndex(best);
}

void DriveListBox::Refresh()
{
    if (fill(DriveEntries(source_ ? source_() : QList<MountedVolume>(), QDir::homePath())))
        emit driveChanged();
}

int DriveListBox::ListCount() const
{
    return count();
}

QString DriveListBox::List(int index) const
{
    return itemData(index).toString();
}

void DriveListBox::showPopup()
{
    Refresh();
    QComboBox::showPopup();
}

bool DriveListBox::fill(const QList<DriveEntry> &entries)
{
    const QSignalBlocker blocker(this);
    clear();
    for (const DriveEntry &entry : entries)
        addItem(entry.text, entry.rootPath);
    int index = findData(drive_);
    const bool lost = index < 0 && !drive_.isEmpty();
    if (index < 0) {
        index = 0;
        drive_ = List(0);
    }
    setCurrentIndex(index);
    return lost;
}

void DriveListBox::choose(int index)
{
    const QString root = List(index);
    if (root.isEmpty() || root == drive_)
        return;
    if (!driveReady(root)) {
        Refresh();
        return;
    }
    drive_ = root;
    emit driveChanged();
}
