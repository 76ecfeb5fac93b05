#include "rename/FileIdentity.h"

#include "services/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t HeadSize = 64 * 1024;

int64_t Nanoseconds(const timespec &t)
{
    return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Four lanes of 64-bit multiply-xorshift over 32 bytes at a time: a
// checksum, not a defence against a forger, and cheap enough to take for
// every file of a batch.
uint64_t Hash(const unsigned char *bytes, size_t size)
{
    constexpr uint64_t Prime = 0x100000001b3ULL;
    uint64_t lanes[4] = {0xcbf29ce484222325ULL ^ size, 0x9e3779b97f4a7c15ULL, 0xc2b2ae3d27d4eb4fULL,
                         0x165667b19e3779f9ULL};
    size_t i = 0;
    for (; i + 32 <= size; i += 32) {
        for (int lane = 0; lane < 4; ++lane) {
            uint64_t word;
            std::memcpy(&word, bytes + i + 8 * lane, 8);
            lanes[lane] = (lanes[lane] ^ word) * Prime;
            lanes[lane] ^= lanes[lane] >> 29;
        }
    }
    uint64_t hash = lanes[0] ^ (lanes[1] * 3) ^ (lanes[2] * 5) ^ (lanes[3] * 7);
    for (; i < size; ++i)
        hash = (hash ^ bytes[i]) * Prime;
    return hash;
}

// One read for a file of up to 64 KiB, as photos' heads are read from the cache.
std::optional<uint64_t> HeadHash(int fd, int64_t size)
{
    static thread_local unsigned char buffer[HeadSize];
    const size_t wanted = size_t(std::min<int64_t>(size, int64_t(HeadSize)));
    size_t filled = 0;
    while (filled < wanted) {
        const ssize_t got = ::pread(fd, buffer + filled, wanted - filled, off_t(filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        filled += size_t(got);
    }
    return Hash(buffer, filled);
}

} // namespace

std::optional<FileIdentity> ReadFileIdentity(const QString &path, bool withHash, FileOpResult &error)
{
    // The one open for regular files: a FIFO under a photo's name cannot
    // hold the batch.
    const RegularFile file(path);
    error = file.error();
    if (file.fd() < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(file.fd(), &st) != 0) {
        error = {errno};
        return std::nullopt;
    }
    const std::optional<uint64_t> hash = withHash ? HeadHash(file.fd(), st.st_size) : uint64_t(0);
    if (!hash) {
        error = {errno};
        return std::nullopt;
    }
    return FileIdentity{uint64_t(st.st_dev), uint64_t(st.st_ino), int64_t(st.st_size),
                        Nanoseconds(st.st_atim), Nanoseconds(st.st_mtim), *hash};
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
        || (otherModifiedNs != 0 && std::llabs(now.modifiedNs - otherModifiedNs) <= 2000000000);
    if (now.size != recorded.size || !sameTime)
        return false;
    if (now.device == recorded.device && now.inode == recorded.inode)
        return true;
    const std::optional<uint64_t> hash = HeadHashOf(path);
    return hash && *hash == recorded.headHash;
}
