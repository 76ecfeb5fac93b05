#pragma once

#include <QByteArray>
#include <QComboBox>
#include <QList>
#include <QString>

#include <functional>

// One mounted file system as the system reports it.
struct MountedVolume
{
    QString rootPath;
    QString name;
    QByteArray device;
    QByteArray fileSystemType;
    bool ready = false;
    bool isFolder = false;
};

struct DriveEntry
{
    QString rootPath;
    QString text;
};

// The drives offered to the user: the root first, then the home folder, then
// every other ready volume that lives on a device or a network share, in the
// given order. System mounts (/proc, /sys, /run, /boot, snaps, files bound
// into a container) are left out.
QList<DriveEntry> DriveEntries(const QList<MountedVolume> &mounted, const QString &home);

// The mounted volumes of this machine.
QList<MountedVolume> MountedVolumes();

// The drive list: a drop-down of the drives above. A drive that is no longer
// ready when chosen is dropped from the list and the choice falls back to
// the drive shown before.
class DriveListBox : public QComboBox
{
    Q_OBJECT

public:
    using VolumeSource = std::function<QList<MountedVolume>()>;

    explicit DriveListBox(QWidget *parent = nullptr);
    // Where the list learns the mounted volumes; MountedVolumes by default.
    void setVolumeSource(VolumeSource source);

    // The root folder of the chosen drive.
    QString Drive() const;
    // Chooses the drive that holds `path` (the one with the longest root).
    void setDrive(const QString &path);
    // Reads the mounted volumes again, keeping the chosen drive if it remains.
    void Refresh();

    int ListCount() const;
    QString List(int index) const;

signals:
    void driveChanged();

protected:
    void showPopup() override;

private:
    // True when the chosen drive is gone and the root took its place.
    bool fill(const QList<DriveEntry> &entries);
    void choose(int index);

    VolumeSource source_;
    QString drive_;
};
