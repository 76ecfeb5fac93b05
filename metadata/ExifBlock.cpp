#include "metadata/ExifBlock.h"

#include "services/RegularFile.h"

#include <cerrno>
#include <optional>

namespace {

constexpr qint64 kHeadSize = 4096;
// Real files have a dozen segments before the image data; a file with more
// is junk and gets the plain search of its head.
constexpr int kMaxSegments = 256;
constexpr QByteArrayView kExifMark("Exif\0", 5);

// Where the search takes a file's bytes from: the file itself, read at
// offsets, or its whole content in memory.
class ByteSource
{
public:
    virtual ~ByteSource() = default;
    // The n bytes at pos, or fewer when the file ends earlier (none on a
    // failed read); valid until the next call.
    virtual QByteArrayView at(qint64 pos, qint64 n) = 0;
    // The same bytes as a buffer of their own.
    virtual QByteArray take(qint64 pos, qint64 n) { return at(pos, n).toByteArray(); }
};

// A window onto the file, refilled with one read at the position asked for.
class FileWindow : public ByteSource
{
public:
    FileWindow(int fd, QByteArray head) : m_fd(fd), m_bytes(std::move(head)) {}

    QByteArrayView at(qint64 pos, qint64 n) override
    {
        if (pos < m_start || pos + n > m_start + m_bytes.size()) {
            auto bytes = ReadAt(m_fd, pos, std::max(n, kHeadSize));
            if (!bytes)
                return {};
            m_start = pos;
            m_bytes = std::move(*bytes);
        }
        const qint64 from = pos - m_start;
        return QByteArrayView(m_bytes).sliced(from, std::min(n, m_bytes.size() - from));
    }

    // A segment beyond the window is read straight into its own buffer
    // rather than through the window and copied out of it.
    QByteArray take(qint64 pos, qint64 n) override
    {
        if (pos >= m_start && pos + n <= m_start + m_bytes.size())
            return ByteSource::take(pos, n);
        return ReadAt(m_fd, pos, n).value_or(QByteArray());
    }

private:
    int m_fd;
    QByteArray m_bytes;
    qint64 m_start = 0;
};

class MemoryImage : public ByteSource
{
public:
    explicit MemoryImage(QByteArrayView file) : m_file(file) {}

    QByteArrayView at(qint64 pos, qint64 n) override
    {
        if (pos >= m_file.size())
            return {};
        return m_file.sliced(pos, std::min(n, m_file.size() - pos));
    }

private:
    QByteArrayView m_file;
};

// JPEG layout: FF D8, then segments FF <marker> <length hi> <length lo>
// <length - 2 bytes of data>, up to SOS (FF DA) where the image data starts.
// FF fill bytes may stand before a marker; RSTn and TEM (FF 01) have no length.
std::optional<QByteArray> findExifSegment(ByteSource &source)
{
    qint64 pos = 2;
    for (int segment = 0; segment < kMaxSegments; ++segment) {
        const QByteArrayView marker = source.at(pos, 4);
        if (marker.size() < 2 || uint8_t(marker[0]) != 0xFF)
            return std::nullopt;
        const auto code = uint8_t(marker[1]);
        if (code == 0xFF) {
            pos += 1;
            continue;
        }
        if (code == 0xD9 || code == 0xDA)
            return std::nullopt;
        if (code == 0x01 || (code >= 0xD0 && code <= 0xD7)) {
            pos += 2;
            continue;
        }
        if (marker.size() < 4)
            return std::nullopt;
        const qint64 length = (uint8_t(marker[2]) << 8) | uint8_t(marker[3]);
        if (length < 2)
            return std::nullopt;
        if (code == 0xE1 && source.at(pos + 4, kExifMark.size()) == kExifMark)
            return source.take(pos + 4, length - 2);
        pos += 2 + length;
    }
    return std::nullopt;
}

bool isJpeg(const QByteArray &head)
{
    return head.size() >= 2 && uint8_t(head[0]) == 0xFF && uint8_t(head[1]) == 0xD8;
}

// `head` is the file's first 4096 bytes (or all of a shorter file).
ExifBlock locateExifBlock(ByteSource &source, const QByteArray &head)
{
    if (isJpeg(head)) {
        // The segment holds "Exif\0", one pad byte, then the TIFF header.
        if (auto segment = findExifSegment(source))
            return {ExifBlock::Outcome::Found, std::move(*segment), 6};
    }
    const qsizetype mark = head.indexOf(kExifMark);
    if (mark < 0)
        return {ExifBlock::Outcome::NotFound, {}, 0};
    return {ExifBlock::Outcome::Found, head, mark + 6};
}

}

ExifBlock ReadExifBlock(const QString &path)
{
    const RegularFile file(path);
    if (file.fd() < 0) {
        const int error = file.error().error;
        return {error == ENOENT || error == ENOTDIR ? ExifBlock::Outcome::Missing : ExifBlock::Outcome::Unreadable,
                {}, 0};
    }
    // An empty file reads as missing, as it has no bytes to look at.
    auto head = ReadAt(file.fd(), 0, kHeadSize);
    if (!head)
        return {ExifBlock::Outcome::Unreadable, {}, 0};
    if (head->isEmpty())
        return {ExifBlock::Outcome::Missing, {}, 0};
    FileWindow window(file.fd(), *head);
    return locateExifBlock(window, *head);
}

ExifBlock ReadExifBlockInMemory(QByteArrayView file)
{
    if (file.isEmpty())
        return {ExifBlock::Outcome::Missing, {}, 0};
    MemoryImage image(file);
    return locateExifBlock(image, file.first(std::min(file.size(), kHeadSize)).toByteArray());
}
