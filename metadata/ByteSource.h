#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <optional>

// The one road by which the reader takes bytes from a file, or from a file's
// whole content held in memory. The work of one file's parse is bounded by
// the bytes it reads and the reads it makes, whatever the file's size or the
// number of its parts: kBaseBytes, and on top of that what a container
// declares its own metadata to be (a HEIF's item tables), kMaxGrant at
// most; kMaxReads. A walk skips what it does not need by its declared
// length, reading only the next header (kMinRead bytes; kDenseRead where the
// parts lie close together). A request past the budget, the
// file's end or a failed read gives fewer bytes, or none.
class ByteSource
{
public:
    static constexpr int64_t kBaseBytes = 256 * 1024;
    static constexpr int64_t kMaxGrant = 4 * 1024 * 1024;
    static constexpr int kMaxReads = 128;
    static constexpr int64_t kMinRead = 1024;
    static constexpr int64_t kDenseRead = 16 * 1024;

    // `fd` stays owned by the caller; `size` is the file's length. `head`,
    // when given, is what the caller read from the file's start already; it
    // counts as one read.
    static ByteSource ofFile(int fd, int64_t size, QByteArray head = {});
    static ByteSource ofMemory(QByteArrayView file);

    int64_t size() const { return m_size; }
    // The n bytes at pos, or fewer; valid until the next call. Served from
    // the windows of the last two reads when they lie in one, otherwise from
    // one new read of at least kMinRead bytes (a walk of boxes often comes
    // back to the one before the last it read).
    QByteArrayView at(int64_t pos, int64_t n);
    // The same bytes as a buffer of their own.
    QByteArray take(int64_t pos, int64_t n);
    // The n bytes at pos (or all of them before the file's end) were read
    // already and are held.
    bool holds(int64_t pos, int64_t n) const;
    // Reads the n bytes at pos in one read, so that the walk through them
    // that follows costs no more reads (nothing when they are held already).
    void prefetch(int64_t pos, int64_t n);
    // Raises the budget by `bytes`, as far as kMaxGrant allows in all.
    void grant(int64_t bytes);

private:
    ByteSource(int fd, QByteArrayView memory, int64_t size) : m_fd(fd), m_memory(memory), m_size(size) {}
    // A view of the bytes read, owned by `owned` for a file and pointing
    // into the content for memory.
    struct Window
    {
        QByteArray owned;
        QByteArrayView bytes;
        int64_t start = 0;
        // Holds [pos, pos + n), or all of it that lies before the file's end.
        bool holds(int64_t pos, int64_t n, int64_t fileSize) const;
    };
    // Counts against the budget; nothing once it is spent or a read fails.
    std::optional<Window> read(int64_t pos, int64_t n);
    const Window *holding(int64_t pos, int64_t n);
    // A new window at pos of at least n bytes; false when nothing was read.
    bool load(int64_t pos, int64_t n);
    // The n bytes at pos from the windows, or from a new one with `extra`
    // bytes more.
    QByteArrayView view(int64_t pos, int64_t n, int64_t extra);

    int m_fd;
    QByteArrayView m_memory;
    int64_t m_size;
    int m_reads = 0;
    int64_t m_spent = 0;
    int64_t m_budget = kBaseBytes;
    int64_t m_granted = 0;
    int64_t m_lastRequest = -1; // a file's first read takes the headers of its first parts with it
    Window m_window;
    Window m_previous;
};

// The n-byte unsigned integer at pos (n at most 8); missing bytes count as 0.
uint64_t ReadBigEndian(QByteArrayView bytes, int64_t pos, int n);
uint64_t ReadInteger(QByteArrayView bytes, int64_t pos, int n, bool littleEndian);
