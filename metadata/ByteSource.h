#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <optional>

// The one road by which the reader takes bytes from a file, or from a file's
// whole content held in memory. Every parse of one file gets at most
// kMaxReads reads and kMaxBytes bytes, whatever the file's size: a 4 GB
// video or a 50 MB RAW costs about what a JPEG does. A request past the
// budget, the file's end or a failed read gives fewer bytes, or none.
class ByteSource
{
public:
    static constexpr int kMaxReads = 16;
    static constexpr int64_t kMaxBytes = 256 * 1024;

    // `fd` stays owned by the caller; `size` is the file's length. `head`,
    // when given, is what the caller read from the file's start already; it
    // counts as one read.
    static ByteSource ofFile(int fd, int64_t size, QByteArray head = {});
    static ByteSource ofMemory(QByteArrayView file);

    int64_t size() const { return m_size; }
    // The n bytes at pos, or fewer; valid until the next call. Served from
    // the windows of the last two reads when they lie in one, otherwise from
    // one new read of at least 4 KiB (a walk of boxes often comes back to
    // the one before the last it read).
    QByteArrayView at(int64_t pos, int64_t n);
    // The same bytes as a buffer of their own; a range beyond the window is
    // read straight into it.
    QByteArray take(int64_t pos, int64_t n);

private:
    ByteSource(int fd, QByteArrayView memory, int64_t size) : m_fd(fd), m_memory(memory), m_size(size) {}
    // Counts against the budget; nullopt once it is spent or a read fails.
    std::optional<QByteArray> read(int64_t pos, int64_t n);
    struct Window
    {
        QByteArray bytes;
        int64_t start = 0;
        // Holds [pos, pos + n), or all of it that lies before the file's end.
        bool holds(int64_t pos, int64_t n, int64_t fileSize) const;
    };

    int m_fd;
    QByteArrayView m_memory;
    int64_t m_size;
    int m_reads = 0;
    int64_t m_bytes = 0;
    Window m_window;
    Window m_previous;
};

// The n-byte unsigned integer at pos (n at most 8); missing bytes count as 0.
uint64_t ReadBigEndian(QByteArrayView bytes, int64_t pos, int n);
uint64_t ReadInteger(QByteArrayView bytes, int64_t pos, int n, bool littleEndian);
