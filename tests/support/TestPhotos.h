#pragma once

#include "QtPrinters.h"

#include <QByteArray>
#include <QDateTime>
#include <QFileInfo>
#include <QMap>
#include <QString>

#include <optional>

// Writes a small JPEG whose EXIF block holds only DateTimeOriginal with the
// given text (no EXIF block at all for nullopt) and, when given,
// SubSecTimeOriginal and the camera Model. `payload` makes files of the same
// time tell apart by their bytes.
void WriteExifJpeg(const QString &path, const std::optional<QByteArray> &dateTimeOriginal,
                   const QByteArray &payload = {}, const QByteArray &subSeconds = {}, const QByteArray &model = {});

// Every file of a folder: name -> bytes.
QMap<QString, QByteArray> FolderContents(const QString &folder);

// Every file of a folder: its bytes (through a link) and its own
// modification time in nanoseconds.
QMap<QString, std::pair<QByteArray, qint64>> FolderState(const QString &folder);

// True when `after` holds as many files as `before` and the same contents,
// whatever their names.
bool SameFilesRenamed(const QMap<QString, QByteArray> &before,
                      const QMap<QString, QByteArray> &after);

// The file's modification time in seconds since the epoch.
inline qint64 ModificationTime(const QString &path)
{
    return QFileInfo(path).lastModified().toSecsSinceEpoch();
}

// Seconds since the epoch of a local date and time "YYYY:MM:DD HH:MM:SS".
inline qint64 LocalMoment(const QString &exifText)
{
    return QDateTime::fromString(exifText, QStringLiteral("yyyy:MM:dd HH:mm:ss")).toSecsSinceEpoch();
}

// While alive, the process (even as root) is held to file permissions.
class PermissionsEnforced
{
public:
    PermissionsEnforced();
    ~PermissionsEnforced();
    PermissionsEnforced(const PermissionsEnforced &) = delete;
    PermissionsEnforced &operator=(const PermissionsEnforced &) = delete;

private:
    bool dropped_ = false;
};
