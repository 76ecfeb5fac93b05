#pragma once

#include "services/SafeRename.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>
#include <sys/stat.h>

// What tells a file apart from every other. Device and inode do on Linux
// file systems; FAT and exFAT give new inode numbers at every mount and a
// memory card a new device number at every plug, so size, modification time
// and a hash of the first 64 KiB stand in for them there.
struct FileIdentity
{
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t accessNs = 0;    // nanoseconds since the epoch
    int64_t modifiedNs = 0;
    uint64_t headHash = 0;   // 0 until read
};

// Nanoseconds since the epoch, held at the limits of 64 bits (the years
// 1677 and 2262) beyond them.
int64_t NanosecondsOf(int64_t seconds, int64_t nanoseconds = 0);

// How much of a file's start its head hash covers.
constexpr int64_t kIdentityHeadBytes = 64 * 1024;

// The identity of the open file `status` tells of, whose first bytes (up to
// kIdentityHeadBytes) are `head`.
FileIdentity IdentityOf(const struct stat &status, QByteArrayView head);

// Device, inode, size and times of the regular file at `path`, and with
// `withHash` its head's hash.
std::optional<FileIdentity> ReadFileIdentity(const QString &path, bool withHash, FileOpResult &error);

// `known` when the file at `path` still has its device, inode, size and
// modification time (one stat, no read), else the identity read afresh.
std::optional<FileIdentity> CurrentIdentity(const FileIdentity &known, const QString &path, FileOpResult &error);

// The hash of the file's first 64 KiB, or nullopt when it cannot be read.
std::optional<uint64_t> HeadHashOf(const QString &path);

// True when `now` (read without its hash from `path`) is the file
// `recorded` describes: the same size and modification time (the recorded
// one, or `otherModifiedNs` that a batch gave it), and the same device and
// inode or else the same head. A file changed since is another file. Reads
// the head only when device or inode differ.
bool IsSameFile(const FileIdentity &recorded, int64_t otherModifiedNs, const QString &path,
                const FileIdentity &now);
