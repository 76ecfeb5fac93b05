#include "metadata/ImageGeometry.h"

#include "metadata/ContainerExif.h"
#include "metadata/ExifTagNames.h"
#include "metadata/HeifMeta.h"
#include "metadata/JpegSegments.h"
#include "metadata/TiffImages.h"

namespace {

std::optional<ImageGeometry> geometry(uint64_t width, uint64_t height, bool upright = false)
{
    if (width == 0 || height == 0 || width > INT32_MAX || height > INT32_MAX)
        return std::nullopt;
    return ImageGeometry{int32_t(width), int32_t(height), upright};
}

std::optional<ImageGeometry> tiffGeometry(ByteSource &source, const TiffHeader &tiff, QByteArrayView head)
{
    // CR2: "CR" at byte 8.
    if (head.size() >= 10 && head.sliced(8, 2) == "CR") {
        const auto ifd0 = ReadTiffDirectory(source, tiff, tiff.ifd0);
        const uint32_t link = ifd0 ? SubDirectoryOffset(*ifd0, ExifTagId::ExifOffset, tiff.littleEndian) : 0;
        const auto exif = link ? ReadTiffDirectory(source, tiff, link) : std::nullopt;
        const TiffEntry *w = exif ? FindEntry(*exif, ExifTagId::ExifImageWidth) : nullptr;
        const TiffEntry *h = exif ? FindEntry(*exif, ExifTagId::ExifImageHeight) : nullptr;
        if (w && h)
            return geometry(w->number(tiff.littleEndian), h->number(tiff.littleEndian));
        return std::nullopt;
    }
    const auto size = ReadTiffImages(source, tiff).size;
    return size ? geometry(size->first, size->second) : std::nullopt;
}

// After the signature: length (4), "IHDR", width (4), height (4).
std::optional<ImageGeometry> pngGeometry(QByteArrayView head)
{
    if (head.size() < 24 || head.sliced(12, 4) != "IHDR")
        return std::nullopt;
    return geometry(ReadBigEndian(head, 16, 4), ReadBigEndian(head, 20, 4));
}

std::optional<ImageGeometry> cr3Geometry(ByteSource &source, const IsoBox &canon)
{
    const auto cmt1 = FindChild(source, canon, FourCc("CMT1"));
    const auto tiff = cmt1 ? ReadTiffHeader(source, cmt1->payload, cmt1->end) : std::nullopt;
    const auto ifd0 = tiff ? ReadTiffDirectory(source, *tiff, tiff->ifd0) : std::nullopt;
    const TiffEntry *w = ifd0 ? FindEntry(*ifd0, ExifTagId::ImageWidth) : nullptr;
    const TiffEntry *h = ifd0 ? FindEntry(*ifd0, ExifTagId::ImageLength) : nullptr;
    if (!w || !h)
        return std::nullopt;
    return geometry(w->number(tiff->littleEndian), h->number(tiff->littleEndian));
}

// tkhd: version (1), flags (3), times and track id (20 bytes, 32 in version
// 1), 16 bytes, the matrix of nine 4-byte numbers (a, b, u, c, d, v, x, y,
// w), width and height in 16.16 fixed point. An audio track has no size; a
// matrix with a = d = 0 turns the picture by a quarter.
std::optional<ImageGeometry> trackGeometry(ByteSource &source, const IsoBox &trak)
{
    const auto tkhd = FindChild(source, trak, FourCc("tkhd"));
    if (!tkhd)
        return std::nullopt;
    const QByteArrayView bytes = source.at(tkhd->payload, std::min<int64_t>(tkhd->payloadSize(), 96));
    const int64_t matrix = bytes.startsWith('\1') ? 52 : 40;
    auto found = geometry(ReadBigEndian(bytes, matrix + 36, 4) >> 16, ReadBigEndian(bytes, matrix + 40, 4) >> 16, true);
    if (found && ReadBigEndian(bytes, matrix, 4) == 0 && ReadBigEndian(bytes, matrix + 16, 4) == 0)
        std::swap(found->width, found->height);
    return found;
}

// GIF: "GIF87a" or "GIF89a", the screen's width and height (2 each,
// little-endian). BMP: "BM", 12 bytes, the header's size (4), then width and
// height (2 each in the old 12-byte header, else 4, the height negative for
// rows stored top-down).
std::optional<ImageGeometry> gifOrBmpGeometry(QByteArrayView head)
{
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a"))
        return geometry(ReadInteger(head, 6, 2, true), ReadInteger(head, 8, 2, true));
    if (!head.startsWith("BM") || head.size() < 26)
        return std::nullopt;
    if (ReadInteger(head, 14, 4, true) == 12)
        return geometry(ReadInteger(head, 18, 2, true), ReadInteger(head, 20, 2, true));
    const auto height = int32_t(ReadInteger(head, 22, 4, true));
    return geometry(ReadInteger(head, 18, 4, true), height < 0 ? -int64_t(height) : height);
}

}

std::optional<ImageGeometry> HeifGeometry(const HeifMeta &meta)
{
    if (!meta.primarySize)
        return std::nullopt;
    auto found = geometry(meta.primarySize->first, meta.primarySize->second, true);
    if (found && meta.primaryTurns % 2 == 1)
        std::swap(found->width, found->height);
    return found;
}

std::optional<ImageGeometry> MovieGeometry(ByteSource &source, const IsoBox &moov)
{
    std::optional<ImageGeometry> found;
    WalkBoxes(source, moov.payload, moov.end, [&](const IsoBox &box) {
        if (box.type == FourCc("uuid") && box.userType == kCanonMetadataUuid)
            found = cr3Geometry(source, box);
        else if (box.type == FourCc("trak"))
            found = trackGeometry(source, box);
        return !found;
    });
    return found;
}

std::optional<ImageGeometry> JpegFrameGeometry(ByteSource &source, const JpegSegment &frame)
{
    const QByteArrayView header = source.at(frame.data, 5);
    return geometry(ReadBigEndian(header, 3, 2), ReadBigEndian(header, 1, 2));
}

std::optional<ImageGeometry> ReadImageGeometry(ByteSource &source, QByteArrayView head)
{
    if (const auto tiff = ReadTiffHeader(source, 0))
        return tiffGeometry(source, *tiff, head);
    if (IsPng(head))
        return pngGeometry(head);
    return gifOrBmpGeometry(head);
}
