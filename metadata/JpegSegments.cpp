#include "metadata/JpegSegments.h"

bool IsJpeg(QByteArrayView head)
{
    return head.size() >= 2 && uint8_t(head[0]) == 0xFF && uint8_t(head[1]) == 0xD8;
}

void WalkJpegSegments(ByteSource &source, int64_t start, const std::function<bool(const JpegSegment &)> &visit)
{
    if (!IsJpeg(source.at(start, 2)))
        return;
    int64_t pos = start + 2;
    for (;;) {
        const QByteArrayView marker = source.at(pos, 4);
        if (marker.size() < 2 || uint8_t(marker[0]) != 0xFF)
            return;
        const auto code = uint8_t(marker[1]);
        if (code == 0xFF) {
            pos += 1;
            continue;
        }
        if (code == 0x01 || (code >= 0xD0 && code <= 0xD7)) {
            pos += 2;
            continue;
        }
        const int64_t length = int64_t(ReadBigEndian(marker, 2, 2));
        if (code == 0xDA || code == 0xD9 || marker.size() < 4 || length < 2)
            return;
        if (!visit({code, pos + 4, length - 2}))
            return;
        pos += 2 + length;
    }
}

namespace {

constexpr QByteArrayView kExifMark("Exif\0", 5);
constexpr QByteArrayView kXmpMark("http://ns.adobe.com/xap/1.0/\0", 29);

}

JpegParts FindJpegParts(ByteSource &source, int64_t start, bool untilExif)
{
    JpegParts parts;
    WalkJpegSegments(source, start, [&](const JpegSegment &s) {
        if (IsDecodableFrame(s.marker) || IsOtherFrame(s.marker)) {
            parts.frame = s;
            return false;
        }
        if (s.marker == 0xE1 && !parts.exif && source.at(s.data, kExifMark.size()) == kExifMark)
            parts.exif = s;
        else if (s.marker == 0xE1 && !parts.xmp && s.length > kXmpMark.size() && source.at(s.data, kXmpMark.size()) == kXmpMark)
            parts.xmp = s;
        return !(untilExif && parts.exif);
    });
    return parts;
}

QByteArray JpegXmpPacket(ByteSource &source, const JpegSegment &xmp, int64_t limit)
{
    return source.take(xmp.data + kXmpMark.size(), std::min<int64_t>(xmp.length - kXmpMark.size(), limit));
}

bool IsDecodableFrame(uint8_t marker)
{
    return marker >= 0xC0 && marker <= 0xC2;
}

bool IsOtherFrame(uint8_t marker)
{
    return marker >= 0xC3 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}
