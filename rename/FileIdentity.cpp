#include "rename/FileIdentity.h"

#include "services/RegularFile.h"

#include <QFile>

#include <xxhash.h>

#include <algorithm>
#include <cerrno>
#include <limits>

namespace {

FileIdentity UnhashedIdentityOf(const struct stat &status)
{
    return {uint64_t(status.st_dev), uint64_t(status.st_ino), int64_t(status.st_size),
            NanosecondsOf(status.st_atim.tv_sec, status.st_atim.tv_nsec),
            NanosecondsOf(status.st_mtim.tv_sec, status.st_mtim.tv_nsec), 0};
}

// True when two times in nanoseconds lie at most 2 seconds apart; their
// difference may not fit 64 bits.
bool WithinTwoSeconds(int64_t a, int64_t b)
{
    return (a > b ? uint64_t(a) - uint64_t(b) : uint64_t(b) - uint64_t(a)) <= 2000000000u;
}

} // namespace

int64_t NanosecondsOf(int64_t seconds, int64_t nanoseconds)
{
    constexpr int64_t Giga = 1000000000;
    constexpr int64_t Limit = std::numeric_limits<int64_t>::max() / Giga - 1;
    if (seconds > Limit)
        return std::numeric_limits<int64_t>::max();
    if (seconds < -Limit)
        return std::numeric_limits<int64_t>::min();
    return seconds * Giga + nanoseconds;
}

FileIdentity IdentityOf(const struct stat &status, QByteArrayView head)
{
    FileIdentity identity = UnhashedIdentityOf(status);
    const auto bytes = head.first(std::min<qsizetype>(head.size(), kIdentityHeadBytes));
    identity.headHash = XXH3_64bits(bytes.data(), size_t(bytes.size()));
    return identity;
}

std::optional<FileIdentity> ReadFileIdentity(const QString &path, bool withHash, FileOpResult &error)
{
    if (!withHash) {
        // Without the head, the name's status is enough: undo asks this twice
        // for each file, and needs no right to read it.
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
    // The one open for regular files: a FIFO under a photo's name cannot
    // hold the batch.
    const RegularFile file(path);
    error = file.error();
    if (file.fd() < 0)
        return std::nullopt;
    const std::optional<QByteArray> head =
        ReadAt(file.fd(), 0, std::min<int64_t>(file.status().st_size, kIdentityHeadBytes));
    if (!head) {
        error = {errno};
        return std::nullopt;
    }
    return IdentityOf(file.status(), *head);
}

std::optional<FileIdentity> CurrentIdentity(const FileIdentity &known, const QString &path, FileOpResult &error)
{
    const std::optional<FileIdentity> now = ReadFileIdentity(path, false, error);
    if (now && now->device == known.device && now->inode == known.inode && now->size == known.size
        && now->modifiedNs == known.modifiedNs)
        return known;
    return ReadFileIdentity(path, true, error);
}

std::optional<uint64_t> HeadHashOf(const QString &path)
{
    FileOpResult error;
    const std::optional<FileIdentity> identity = ReadFileIdentity(path, true, error);
    if (!identity)
        return std::nullopt;
    return identity->headHash;
}

bool IsSameFile(const FileIdentity &recorded, int64_t otherModifiedNs, const QString &path,
                const FileIdentity &now)
{
    // The times a batch sets may land on a FAT card's two-second steps.
    const bool sameTime = now.modifiedNs == recorded.modifiedNs
        || (otherModifiedNs != 0 && WithinTwoSeconds(now.modifiedNs, otherModifiedNs));
    if (now.size != recorded.size || !sameTime)
        return false;
    if (now.device == recorded.device && now.inode == recorded.inode)
        return true;
    const std::optional<uint64_t> hash = HeadHashOf(path);
    return hash && *hash == recorded.headHash;
}
