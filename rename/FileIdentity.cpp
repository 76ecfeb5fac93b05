#include "rename/FileIdentity.h"

#include "services/RegularFile.h"

#include <QFile>
#include <QHash>

#include <xxhash.h>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <linux/magic.h>
#include <mutex>
#include <sys/vfs.h>

namespace {

constexpr int64_t Giga = 1000000000;

FileIdentity UnhashedIdentityOf(const struct stat &status)
{
    return {uint64_t(status.st_dev), uint64_t(status.st_ino), int64_t(status.st_size),
            NanosecondsOf(status.st_atim.tv_sec, status.st_atim.tv_nsec),
            NanosecondsOf(status.st_mtim.tv_sec, status.st_mtim.tv_nsec), 0};
}

bool LastingInodes(decltype(statfs::f_type) type)
{
    constexpr decltype(type) ZfsMagic = 0x2FC12FC1, BcachefsMagic = 0xCA451A4E;
    switch (type) {
    case EXT4_SUPER_MAGIC: // ext2 and ext3 too
    case BTRFS_SUPER_MAGIC:
    case XFS_SUPER_MAGIC:
    case TMPFS_MAGIC:
    case F2FS_SUPER_MAGIC:
    case ZfsMagic:
    case BcachefsMagic:
    case OVERLAYFS_SUPER_MAGIC:
    case NFS_SUPER_MAGIC: return true;
    default: return false;  // FAT, exFAT, FUSE, SMB and the rest: numbers may be made up per mount
    }
}

} // namespace

bool InodeNumbersLast(const struct stat &status, int fd)
{
    static std::mutex mutex;
    static QHash<dev_t, bool> known;
    {
        const std::lock_guard lock(mutex);
        const auto it = known.constFind(status.st_dev);
        if (it != known.constEnd())
            return it.value();
    }
    struct statfs fs {};
    const bool lasting = ::fstatfs(fd, &fs) == 0 && LastingInodes(fs.f_type);
    const std::lock_guard lock(mutex);
    known.insert(status.st_dev, lasting);
    return lasting;
}

int64_t NanosecondsOf(int64_t seconds, int64_t nanoseconds)
{
    constexpr int64_t Limit = std::numeric_limits<int64_t>::max() / Giga - 1;
    if (seconds > Limit)
        return std::numeric_limits<int64_t>::max();
    if (seconds < -Limit)
        return std::numeric_limits<int64_t>::min();
    return seconds * Giga + nanoseconds;
}

struct timespec TimespecOf(int64_t nanoseconds)
{
    const int64_t rest = nanoseconds % Giga;
    return rest < 0 ? timespec{time_t(nanoseconds / Giga - 1), long(rest + Giga)}
                    : timespec{time_t(nanoseconds / Giga), long(rest)};
}

bool WithinTwoSeconds(int64_t a, int64_t b)
{
    // Their difference may not fit 64 bits.
    return (a > b ? uint64_t(a) - uint64_t(b) : uint64_t(b) - uint64_t(a)) <= 2000000000u;
}

FileIdentity IdentityOf(const struct stat &status, std::optional<QByteArrayView> head)
{
    FileIdentity identity = UnhashedIdentityOf(status);
    if (head) {
        const auto bytes = head->first(std::min<qsizetype>(head->size(), kIdentityHeadBytes));
        // 0 stands for "not hashed".
        identity.headHash = std::max<uint64_t>(1, XXH3_64bits(bytes.data(), size_t(bytes.size())));
    }
    return identity;
}

std::optional<FileIdentity> StatFileIdentity(const QString &path, FileOpResult &error)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        error = {errno};
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        error = {S_ISDIR(status.st_mode) ? EISDIR : FileOpResult::NotRegularFile};
        return std::nullopt;
    }
    error = {};
    return UnhashedIdentityOf(status);
}

std::optional<FileIdentity> ReadFileIdentity(const QString &path, FileOpResult &error)
{
    // The one open for regular files: a FIFO under a photo's name cannot
    // hold the batch.
    const RegularFile file(path);
    error = file.error();
    if (file.fd() < 0)
        return std::nullopt;
    if (InodeNumbersLast(file.status(), file.fd()))
        return IdentityOf(file.status(), std::nullopt);
    const std::optional<QByteArray> head =
        ReadAt(file.fd(), 0, std::min<int64_t>(file.status().st_size, kIdentityHeadBytes));
    if (!head) {
        error = {errno};
        return std::nullopt;
    }
    return IdentityOf(file.status(), QByteArrayView(*head));
}

bool IsUnchangedFile(const FileIdentity &recorded, int64_t stampedNs, const QString &path, const FileIdentity &now)
{
    const bool sameTime = now.modifiedNs == recorded.modifiedNs
        || (stampedNs != 0 && WithinTwoSeconds(now.modifiedNs, stampedNs));
    if (now.size != recorded.size || !sameTime)
        return false;
    if (now.inode == recorded.inode && (now.device == recorded.device || recorded.headHash == 0))
        return true;
    if (recorded.headHash == 0)
        return false;
    const RegularFile file(path);
    const std::optional<QByteArray> head =
        file.fd() < 0 ? std::nullopt : ReadAt(file.fd(), 0, std::min<int64_t>(now.size, kIdentityHeadBytes));
    return head && IdentityOf(file.status(), QByteArrayView(*head)).headHash == recorded.headHash;
}
