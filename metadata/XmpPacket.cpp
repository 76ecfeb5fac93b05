#include "metadata/ContainerExif.h"
#include "metadata/ExifTagNames.h"
#include "metadata/HeifMeta.h"
#include "metadata/JpegSegments.h"
#include "metadata/TiffFile.h"

namespace {

// APP1 "http://ns.adobe.com/xap/1.0/", a zero byte, the packet.
constexpr QByteArrayView kJpegXmpMark("http://ns.adobe.com/xap/1.0/\0", 29);

QByteArray jpegXmp(ByteSource &source, int64_t start)
{
    QByteArray xmp;
    WalkJpegSegments(source, start, [&](const JpegSegment &s) {
        if (s.marker == 0xE1 && s.length > kJpegXmpMark.size() && source.at(s.data, kJpegXmpMark.size()) == kJpegXmpMark)
            xmp = source.take(s.data + kJpegXmpMark.size(), std::min<int64_t>(s.length - kJpegXmpMark.size(), kMaxXmpBytes));
        return xmp.isEmpty();
    });
    return xmp;
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

QByteArray heifXmp(ByteSource &source)
{
    const auto meta = FindChild(source, {0, 0, 0, source.size(), {}}, FourCc("meta"));
    if (!meta)
        return {};
    const HeifMeta heif = ReadHeifMeta(source, *meta);
    for (const auto &[id, item] : heif.items) {
        if (item.type == kHeifXmpItem)
            return HeifItemData(source, heif, item, kMaxXmpBytes);
    }
    return {};
}

}

QByteArray ReadXmpPacket(ByteSource &source, QByteArrayView head)
{
    if (IsJpeg(head))
        return jpegXmp(source, 0);
    if (const auto tiff = ReadTiffHeader(source, 0))
        return tiffXmp(source, *tiff);
    if (IsRaf(head)) {
        const auto jpeg = RafJpeg(source);
        return jpeg ? jpegXmp(source, jpeg->first) : QByteArray();
    }
    if (IsPng(head))
        return PngXmp(source);
    if (IsIsoMedia(head))
        return heifXmp(source);
    return {};
}
