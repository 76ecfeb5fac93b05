#pragma once

#include <QString>

#include <chrono>
#include <ctime>

enum class FileTimeResult {
    Set,          // access and modification time now hold the moment
    NoFile,       // no such file, or a folder
    Failed,       // the system refused (no right, read-only medium); errno tells why
    OutOfRange,   // the file system cannot hold the moment: the file keeps its previous times
    SymbolicLink, // a symbolic link: neither its own times nor its target's were touched
};

// Sets the file's access and modification time to `moment`, and reads them
// back. A time the file system cannot hold is clamped by it without an
// error (ext4 before 1901, FAT before 1980); the file then gets its
// previous times back at once.
FileTimeResult SetFileTimes(const QString &path, std::chrono::sys_seconds moment);
// The same with the two times apart, to the nanosecond: undo puts back what
// a file held before.
FileTimeResult SetFileTimes(const QString &path, const struct timespec &access, const struct timespec &modified);
