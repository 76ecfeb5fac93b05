#include "actions/DeleteFromDisk.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <unistd.h>

FileOpResult DeleteFromDisk(const QString &path)
{
    if (::unlink(QFile::encodeName(path).constData()) == 0)
        return {};
    return {errno};
}

bool MoveToTrash(const QString &path)
{
    // Qt 6.4 cannot make the home trash when the data folder
    // (~/.local/share) is missing, and then files the photo in "files/"
    // below the working folder; a fresh account has no such folder yet.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    return QFile::moveToTrash(path);
}
