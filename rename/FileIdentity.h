#pragma once

#include "services/SafeRename.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <ctime>
#include <optional>
#include <sys/stat.h>

// What tells a file apart from every other. Device, inode, size and
// modification time do on Linux file systems, without a read; FAT and exFAT
// give new inode numbers at every mount and a memory card a new device
// number at every plug, so there a hash of the first 64 KiB stands in for
// the inode.
struct FileIdentity
{
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t accessNs = 0;    // nanoseconds since the epoch
    int64_t modifiedNs = 0;
    uint64_t headHash = 0;   // 0: not read, the inode number tells
};

// True when the file system that holds the file `status` tells of (open
// as `fd`) keeps its inode numbers across mounts: ext4, btrfs, xfs and their
// like, not FAT, exFAT, FUSE or SMB. Asked of statfs once per device.
bool InodeNumbersLast(const struct stat &status, int fd);

// Nanoseconds since the epoch, held at the limits of 64 bits (the years
// 1677 and 2262) beyond them.
int64_t NanosecondsOf(int64_t seconds, int64_t nanoseconds = 0);
// The time NanosecondsOf gave, as the system takes it: before 1970 the
// fraction still counts forwards from a whole second.
struct timespec TimespecOf(int64_t nanoseconds);

// How much of a file's start its head hash covers.
constexpr int64_t kIdentityHeadBytes = 64 * 1024;

// The identity of the open file `status` tells of; with `head` (its first
// bytes, up to kIdentityHeadBytes) hashed when given.
FileIdentity IdentityOf(const struct stat &status, std::optional<QByteArrayView> head);

// The identity of the regular file at `path`; its head is read and hashed
// only where the file system's inode numbers do not last.
std::optional<FileIdentity> ReadFileIdentity(const QString &path, FileOpResult &error);

// Device, inode, size and times of the regular file at `path`, from one
// stat: no right to read it needed.
std::optional<FileIdentity> StatFileIdentity(const QString &path, FileOpResult &error);

// True when `now` (stat'ed from `path`) is the very file `recorded`
// describes, untouched since: the same size and modification time (the
// recorded one, or `stampedNs` that a batch gave it, within a FAT card's two
// seconds), and the same inode or else, where the head was hashed, the same
// head.
bool IsUnchangedFile(const FileIdentity &recorded, int64_t stampedNs, const QString &path, const FileIdentity &now);

// True when two times in nanoseconds lie at most 2 seconds apart.
bool WithinTwoSeconds(int64_t a, int64_t b);
