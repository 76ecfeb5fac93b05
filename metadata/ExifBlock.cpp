#include "metadata/ExifBlock.h"

#include "metadata/ByteSource.h"
#include "metadata/ContainerExif.h"
#include "metadata/ExifParse.h"
#include "metadata/ImageGeometry.h"
#include "metadata/IsoBoxes.h"
#include "metadata/JpegSegments.h"
#include "metadata/TiffExifBlock.h"
#include "services/RegularFile.h"

#include <cerrno>
#include <optional>

namespace {

constexpr qint64 kHeadSize = 4096;
constexpr QByteArrayView kExifMark("Exif\0", 5);

ExifBlock searchHead(const QByteArray &head)
{
    const qsizetype mark = head.indexOf(kExifMark);
    if (mark < 0)
        return {};
    return ExifBlock::Found(head, mark + 6);
}

// The EXIF segment holds "Exif\0", one pad byte, then the TIFF header.
ExifBlock jpegExif(ByteSource &source, const std::optional<JpegSegment> &exif, ExifWalkScope scope)
{
    if (!exif)
        return {};
    if (scope == ExifWalkScope::AllEntries || source.holds(exif->data, exif->length))
        return ExifBlock::Found(source.take(exif->data, exif->length), 6);
    // The capture time alone from a segment not read yet: the directories and
    // the time's values are read where they lie in it, which a small head
    // holds in most camera files, rather than the whole segment with its
    // thumbnail. The header is taken as the walk of the whole segment takes
    // it: "II" or big-endian.
    const int64_t tiffAt = exif->data + 6;
    const int64_t end = exif->data + exif->length;
    const QByteArrayView header = source.at(tiffAt, std::min<int64_t>(8, end - tiffAt));
    const bool intel = header.startsWith("II");
    return AssembleTiffExif(source, {tiffAt, intel, uint32_t(ReadInteger(header, 4, 4, intel)), end}, scope);
}

// A JPEG in one walk to its frame header, or for the capture time alone to
// its EXIF segment, and to its XMP segment only where EXIF holds no time.
ExifBlock readJpeg(ByteSource &source, const QByteArray &head, ExifWalkScope scope)
{
    const bool all = scope == ExifWalkScope::AllEntries;
    JpegParts parts = FindJpegParts(source, 0, !all);
    ExifBlock block = jpegExif(source, parts.exif, scope);
    if (block.outcome != ExifBlock::Outcome::Found)
        block = searchHead(head);
    const bool wantXmp = all || !HoldsCaptureTime(block);
    if (!all && wantXmp)
        parts = FindJpegParts(source, 0, false);
    if (parts.xmp && wantXmp)
        block.xmp = JpegXmpPacket(source, *parts.xmp, kMaxXmpBytes);
    if (all && parts.frame)
        block.geometry = JpegFrameGeometry(source, *parts.frame);
    return block;
}

// `head` is the file's first 4096 bytes (or all of a shorter file).
ExifBlock locateExifBlock(ByteSource &source, const QByteArray &head, ExifWalkScope scope)
{
    if (auto tiff = ReadTiffHeader(source, 0))
        return AssembleTiffExif(source, *tiff, scope);
    if (IsRaf(head))
        return LocateRafExif(source, scope);
    return searchHead(head);
}

// The EXIF block, and for the whole list the XMP packet and the image's
// size; for the capture time alone the XMP packet only where the EXIF data
// holds no time.
ExifBlock readBlocks(ByteSource &source, ExifWalkScope scope)
{
    const QByteArray head = source.at(0, kHeadSize).toByteArray();
    if (head.isEmpty())
        return ExifBlock::Failed(ExifBlock::Outcome::Unreadable);
    if (IsJpeg(head))
        return readJpeg(source, head, scope);
    if (IsPng(head))
        return ReadPng(source, head, scope);
    if (IsIsoMedia(head))
        return ReadIsoMedia(source, scope);
    ExifBlock block = locateExifBlock(source, head, scope);
    const bool all = scope == ExifWalkScope::AllEntries;
    if (all || !HoldsCaptureTime(block))
        block.xmp = ReadXmpPacket(source, head);
    if (all)
        block.geometry = ReadImageGeometry(source, head);
    return block;
}

}

ExifBlock ExifBlock::Found(QByteArray data, int64_t tiffHeader)
{
    ExifBlock block;
    block.outcome = Outcome::Found;
    block.data = std::move(data);
    block.tiffHeader = tiffHeader;
    return block;
}

ExifBlock ExifBlock::Values(std::vector<ContainerValue> values)
{
    ExifBlock block;
    block.outcome = Outcome::Found;
    block.values = std::move(values);
    return block;
}

ExifBlock ExifBlock::Failed(Outcome outcome)
{
    ExifBlock block;
    block.outcome = outcome;
    return block;
}

ExifBlock LocateJpegExif(ByteSource &source, int64_t start, ExifWalkScope scope)
{
    return jpegExif(source, FindJpegParts(source, start, scope == ExifWalkScope::TimeOnly).exif, scope);
}

ExifBlock ReadExifBlock(const QString &path, ExifWalkScope scope)
{
    const RegularFile file(path);
    if (file.fd() < 0) {
        const int error = file.error().error;
        return ExifBlock::Failed(error == ENOENT || error == ENOTDIR ? ExifBlock::Outcome::Missing
                                                                     : ExifBlock::Outcome::Unreadable);
    }
    return ReadExifBlockOfOpenFile(file.fd(), file.status().st_size, {}, scope);
}

ExifBlock ReadExifBlockOfOpenFile(int fd, int64_t size, QByteArray head, ExifWalkScope scope)
{
    if (size == 0)
        return ExifBlock::Failed(ExifBlock::Outcome::Empty);
    ByteSource source = ByteSource::ofFile(fd, size, std::move(head));
    return readBlocks(source, scope);
}

ExifBlock ReadExifBlockInMemory(QByteArrayView file, ExifWalkScope scope)
{
    if (file.isEmpty())
        return ExifBlock::Failed(ExifBlock::Outcome::Empty);
    ByteSource source = ByteSource::ofMemory(file);
    return readBlocks(source, scope);
}
