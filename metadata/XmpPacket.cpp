#include "metadata/ContainerExif.h"
#include "metadata/ExifTagNames.h"
#include "metadata/JpegSegments.h"
#include "metadata/TiffFile.h"

namespace {

QByteArray jpegXmp(ByteSource &source, int64_t start)
{
    const auto xmp = FindJpegParts(source, start, false).xmp;
    return xmp ? JpegXmpPacket(source, *xmp, kMaxXmpBytes) : QByteArray();
}

// IFD0's entry 700, of type BYTE or UNDEFINED (ASCII from some writers).
QByteArray tiffXmp(ByteSource &source, const TiffHeader &tiff)
{
    const auto ifd0 = ReadTiffDirectory(source, tiff, tiff.ifd0);
    const TiffEntry *e = ifd0 ? FindEntry(*ifd0, ExifTagId::Xmp) : nullptr;
    if (!e || (e->type != 1 && e->type != 2 && e->type != 7) || e->count <= 4)
        return {};
    return source.take(tiff.start + e->field, std::min<int64_t>(e->count, kMaxXmpBytes));
}


}

QByteArray ReadXmpPacket(ByteSource &source, QByteArrayView head)
{
    if (const auto tiff = ReadTiffHeader(source, 0))
        return tiffXmp(source, *tiff);
    if (IsRaf(head)) {
        const auto jpeg = RafJpeg(source);
        return jpeg ? jpegXmp(source, jpeg->first) : QByteArray();
    }
    return {};
}
