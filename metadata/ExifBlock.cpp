#include "metadata/ExifBlock.h"

#include "metadata/ByteSource.h"
#include "metadata/ContainerExif.h"
#include "metadata/IsoBoxes.h"
#include "metadata/TiffExifBlock.h"
#include "services/RegularFile.h"

#include <cerrno>
#include <optional>

namespace {

constexpr qint64 kHeadSize = 4096;
// Real files have a dozen segments before the image data; a file with more
// is junk and gets the plain search of its head.
constexpr int kMaxSegments = 256;
constexpr QByteArrayView kExifMark("Exif\0", 5);

// JPEG layout: FF D8, then segments FF <marker> <length hi> <length lo>
// <length - 2 bytes of data>, up to SOS (FF DA) where the image data starts.
// FF fill bytes may stand before a marker; RSTn and TEM (FF 01) have no length.
std::optional<QByteArray> findExifSegment(ByteSource &source, int64_t start)
{
    qint64 pos = start + 2;
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

bool isJpeg(QByteArrayView head)
{
    return head.size() >= 2 && uint8_t(head[0]) == 0xFF && uint8_t(head[1]) == 0xD8;
}

ExifBlock searchHead(const QByteArray &head)
{
    const qsizetype mark = head.indexOf(kExifMark);
    if (mark < 0)
        return {};
    return {ExifBlock::Outcome::Found, head, mark + 6, {}};
}

// `head` is the file's first 4096 bytes (or all of a shorter file).
ExifBlock locateExifBlock(ByteSource &source, const QByteArray &head, ExifWalkScope scope)
{
    if (isJpeg(head)) {
        ExifBlock block = LocateJpegExif(source, 0);
        return block.outcome == ExifBlock::Outcome::Found ? block : searchHead(head);
    }
    if (auto tiff = ReadTiffHeader(source, 0))
        return AssembleTiffExif(source, *tiff, scope);
    if (IsRaf(head))
        return LocateRafExif(source);
    if (IsPng(head))
        return LocatePngExif(source);
    if (IsIsoMedia(head))
        return LocateIsoMediaExif(source, scope);
    return searchHead(head);
}

}

ExifBlock LocateJpegExif(ByteSource &source, int64_t start)
{
    // The segment holds "Exif\0", one pad byte, then the TIFF header.
    if (auto segment = findExifSegment(source, start))
        return {ExifBlock::Outcome::Found, std::move(*segment), 6, {}};
    return {};
}

ExifBlock ReadExifBlock(const QString &path, ExifWalkScope scope)
{
    const RegularFile file(path);
    if (file.fd() < 0) {
        const int error = file.error().error;
        return {error == ENOENT || error == ENOTDIR ? ExifBlock::Outcome::Missing : ExifBlock::Outcome::Unreadable,
                {}, 0, {}};
    }
    return ReadExifBlockOfOpenFile(file.fd(), file.status().st_size, {}, scope);
}

ExifBlock ReadExifBlockOfOpenFile(int fd, int64_t size, QByteArray head, ExifWalkScope scope)
{
    // An empty file reads as missing, as it has no bytes to look at.
    if (size == 0)
        return {ExifBlock::Outcome::Missing, {}, 0, {}};
    ByteSource source = ByteSource::ofFile(fd, size, std::move(head));
    const QByteArrayView first = source.at(0, kHeadSize);
    if (first.isEmpty())
        return {ExifBlock::Outcome::Unreadable, {}, 0, {}};
    return locateExifBlock(source, first.toByteArray(), scope);
}

ExifBlock ReadExifBlockInMemory(QByteArrayView file, ExifWalkScope scope)
{
    if (file.isEmpty())
        return {ExifBlock::Outcome::Missing, {}, 0, {}};
    ByteSource source = ByteSource::ofMemory(file);
    return locateExifBlock(source, source.at(0, kHeadSize).toByteArray(), scope);
}
