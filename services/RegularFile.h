#pragma once

#include "services/FileOpResult.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <sys/stat.h>

// A file opened for reading only when it is a regular file. The open does not
// block (a FIFO named like a photo would wait for a writer for ever), and a
// FIFO, device or socket is closed again at once. The reader, the preview
// and the rename all open files through this.
class RegularFile
{
public:
    explicit RegularFile(const QString &path);
    ~RegularFile();
    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;

    // The open descriptor, or -1 when the file is not open.
    int fd() const { return m_fd; }
    // Why the file is not open: the system's error (EISDIR for a folder) or
    // FileOpResult::NotRegularFile.
    FileOpResult error() const { return m_error; }
    // What fstat told of the open file: size, times, device and inode.
    const struct stat &status() const { return m_status; }
    // Hands the descriptor over to the caller, who closes it.
    int release();

private:
    int m_fd = -1;
    FileOpResult m_error;
    struct stat m_status {};
};

// The n bytes at pos of an open file, or fewer where it ends; nullopt when a
// read fails. Plain pread: no stat calls or seeks besides the read.
std::optional<QByteArray> ReadAt(int fd, qint64 pos, qint64 n);

// Writes all `size` bytes to `fd`, going on after a partial or interrupted
// write; the system's error where it fails.
FileOpResult WriteAll(int fd, const char *data, qint64 size);
