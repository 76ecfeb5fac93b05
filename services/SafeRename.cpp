#include "services/SafeRename.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// link() fails with EEXIST where the new name is taken, so together with the
// unlink of the old name it is a rename that never replaces a file.
FileOpResult LinkThenUnlink(const QByteArray &from, const QByteArray &to,
                            const std::function<FileOpResult()> &beforeLink)
{
    if (beforeLink) {
        if (const FileOpResult noted = beforeLink(); !noted.ok())
            return noted;
    }
    if (::link(from.constData(), to.constData()) != 0)
        return {errno};
    if (::unlink(from.constData()) != 0) {
        const int error = errno;
        ::unlink(to.constData());
        return {error};
    }
    return {};
}

} // namespace

FileOpResult SafeRename(const QString &oldPath, const QString &newPath, const std::function<FileOpResult()> &beforeLink)
{
    if (oldPath.isEmpty() || newPath.isEmpty())
        return {ENOENT};
    const QByteArray from = QFile::encodeName(oldPath);
    const QByteArray to = QFile::encodeName(newPath);
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return {};
    const int error = errno;
    if (error == EINVAL || error == ENOSYS || error == EOPNOTSUPP)
        return LinkThenUnlink(from, to, beforeLink);
    return {error};
}

FileOpResult DropSecondName(const QString &keep, const QString &extra)
{
    struct stat kept {}, other {};
    const QByteArray extraName = QFile::encodeName(extra);
    if (::lstat(QFile::encodeName(keep).constData(), &kept) != 0 || ::lstat(extraName.constData(), &other) != 0)
        return {ENOENT};
    if (kept.st_dev != other.st_dev || kept.st_ino != other.st_ino)
        return {EEXIST};
    return ::unlink(extraName.constData()) == 0 ? FileOpResult{} : FileOpResult{errno};
}
