#include "services/FileTime.h"

#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// FAT and exFAT keep modification times in 2-second steps.
bool ModificationTimeHeld(std::time_t wanted, std::time_t readBack)
{
    return std::llabs(static_cast<long long>(wanted) - static_cast<long long>(readBack)) <= 2;
}

} // namespace

FileTimeResult SetFileTimes(const QString &path, std::chrono::sys_seconds moment)
{
    const struct timespec time = {std::time_t(moment.time_since_epoch().count()), 0};
    return SetFileTimes(path, time, time);
}

FileTimeResult SetFileTimes(const QString &path, const struct timespec &access, const struct timespec &modified)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat before {};
    if (name.isEmpty() || ::lstat(name.constData(), &before) != 0)
        return name.isEmpty() || errno == ENOENT || errno == ENOTDIR ? FileTimeResult::NoFile : FileTimeResult::Failed;
    // A link's target may lie outside the folder the user chose; its own
    // times tell nobody anything.
    if (S_ISLNK(before.st_mode))
        return FileTimeResult::SymbolicLink;
    if (S_ISDIR(before.st_mode))
        return FileTimeResult::NoFile;

    // Only access and modification time can be set: Linux gives programs no
    // way to set a file's creation (birth) time. Not through a link that
    // took the name since the look above.
    const struct timespec times[2] = {access, modified};
    if (::utimensat(AT_FDCWD, name.constData(), times, AT_SYMLINK_NOFOLLOW) != 0)
        return FileTimeResult::Failed;
    // A file system clamps a time it cannot hold and reports success: only
    // reading it back tells. A clamped time (1901 for 1800) would be wrong
    // and would make the file unknown to undo, so the old one goes back.
    struct stat after {};
    if (::lstat(name.constData(), &after) != 0)
        return FileTimeResult::Failed;
    if (ModificationTimeHeld(modified.tv_sec, after.st_mtim.tv_sec))
        return FileTimeResult::Set;
    const struct timespec previous[2] = {before.st_atim, before.st_mtim};
    if (::utimensat(AT_FDCWD, name.constData(), previous, AT_SYMLINK_NOFOLLOW) != 0)
        return FileTimeResult::Failed;
    return FileTimeResult::OutOfRange;
}
