#pragma once

#include "services/FileOpResult.h"

#include <QString>

#include <cstdint>
#include <functional>

// Copies that no one sees half-done and that are checked against the disk:
// the building block for sorting photos into a library on another file
// system. Nothing here ever replaces an existing file or removes a source
// whose copy is not verified on disk.

struct CopyResult
{
    FileOpResult system;    // why the copy was not made
    bool mismatch = false;  // the copy read back from the disk differs from the source
    uint64_t hash = 0;      // the content hash of source and copy, when made
    bool sourceKept = true; // a move: the source is still there

    bool ok() const { return system.ok() && !mismatch; }
};

struct CopyOptions
{
    bool reflink = false;    // share the source's blocks where the file system can (never a hard link)
    bool keepTimes = true;   // the copy gets the source's access and modification times
    // Hears of a temporary name just before it is made, where the target's
    // file system offers no unnamed file (a journal notes it, so that undo
    // or the next run can remove it); a failure it returns is the copy's.
    std::function<FileOpResult(const QString &temporary)> noteTemporary;
    // Hears of each block of the source as it is copied, with its bytes.
    std::function<void(qint64 bytes)> copied;
    // A move's rename on one file system, as for SafeRename.
    std::function<FileOpResult()> beforeLink;
};

// A temporary copy's name starts so (in the target's folder, hidden).
inline constexpr char16_t kTemporaryCopyPrefix[] = u".fotlex-copy-";

// The content hash of a file (XXH3, 64 bits), read from the disk rather than
// the page cache where the kernel allows.
uint64_t ContentHash(const QString &path, FileOpResult &error);

// Copies `source` to `target`, which must not exist: the copy is written
// unnamed (or under a temporary name), synced, read back and compared by
// its content hash, and only then linked to `target` without replacing;
// then the folder is synced. A failed check leaves no copy behind.
CopyResult VerifiedCopy(const QString &source, const QString &target, const CopyOptions &options = {});

// Moves `source` to `target` without replacing: a rename on one file
// system, else a verified copy followed by the source's removal.
CopyResult VerifiedMove(const QString &source, const QString &target, const CopyOptions &options = {});

// Removes a copy whose original still holds the same bytes (a shot taken
// back, an undo); the caller has made sure of that.
FileOpResult RemoveCopy(const QString &copy);
