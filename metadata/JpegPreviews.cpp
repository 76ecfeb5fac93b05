#include "metadata/JpegPreviews.h"

#include "metadata/ExifBytes.h"

#include <algorithm>

namespace {

constexpr int kMaxSegments = 256;
// MP entries past these are not previews a camera writes.
constexpr int kMaxMpEntries = 16;
constexpr int32_t kOrientation = 0x0112;
constexpr int32_t kJpegInterchangeFormat = 0x0201;
constexpr int32_t kJpegInterchangeFormatLength = 0x0202;
constexpr int32_t kMpEntry = 0xB002;

int64_t bigEndian(QByteArrayView bytes, int64_t pos, int n)
{
    return static_cast<int64_t>(ReadUnsigned(bytes, pos, n, false));
}

// A TIFF structure inside a segment: "II" or "MM", 42, offset of the first
// directory; offsets count from the byte-order mark.
struct Tiff
{
    QByteArrayView bytes;
    int64_t start = 0;
    bool little = false;

    int64_t number(int64_t pos, int n) const
    {
        return static_cast<int64_t>(ReadUnsigned(bytes, start + pos, n, little));
    }

    // Directory: count (2), entries of id (2), type (2), count (4), value or
    // offset (4), then the next directory's offset (4). Calls visit(id,
    // count, entry position) for each entry; returns the next offset.
    template <typename Visit>
    int64_t directory(int64_t offset, Visit visit) const
    {
        const int64_t count = number(offset, 2);
        for (int64_t i = 0; i < count && start + offset + 2 + 12 * i < bytes.size(); ++i) {
            const int64_t entry = offset + 2 + 12 * i;
            visit(number(entry, 2), number(entry + 4, 4), entry);
        }
        return number(offset + 2 + 12 * count, 4);
    }
};

Tiff tiffAt(QByteArrayView bytes, int64_t start)
{
    const bool little = bigEndian(bytes, start, 2) == 0x4949;
    return {bytes, start, little};
}

// APP1 "Exif\0\0" + TIFF: the orientation from IFD0, the thumbnail from
// IFD1's JPEGInterchangeFormat (offset) and ...Length.
void readExif(QByteArrayView head, int64_t tiffStart, int64_t segmentEnd, JpegLayout &layout)
{
    const Tiff tiff = tiffAt(head.first(segmentEnd), tiffStart);
    const int64_t ifd1 = tiff.directory(tiff.number(4, 4), [&](int64_t id, int64_t, int64_t entry) {
        const int64_t value = tiff.number(entry + 8, 2);
        if (id == kOrientation && value >= 1 && value <= 8)
            layout.orientation = int32_t(value);
    });
    if (ifd1 == 0)
        return;
    int64_t offset = 0;
    int64_t length = 0;
    tiff.directory(ifd1, [&](int64_t id, int64_t, int64_t entry) {
        if (id == kJpegInterchangeFormat)
            offset = tiff.number(entry + 8, 4);
        else if (id == kJpegInterchangeFormatLength)
            length = tiff.number(entry + 8, 4);
    });
    if (offset <= 0 || length <= 0 || tiffStart + offset + length > segmentEnd)
        return;
    const int64_t at = tiffStart + offset;
    layout.previews.push_back({at, length, ReadJpegFrame(head.sliced(at, length))});
}

// APP2 "MPF\0" + TIFF: the MP Index directory's MPEntry value holds 16 bytes
// per image: attributes (4), size (4), offset (4) from the byte-order mark
// (0 for the photo itself), two dependent-image numbers (2 + 2).
void readMpf(QByteArrayView head, int64_t tiffStart, int64_t segmentEnd, JpegLayout &layout)
{
    const Tiff tiff = tiffAt(head.first(segmentEnd), tiffStart);
    tiff.directory(tiff.number(4, 4), [&](int64_t id, int64_t count, int64_t entry) {
        if (id != kMpEntry)
            return;
        const int64_t table = tiff.number(entry + 8, 4);
        for (int64_t i = 0; i < count / 16 && i < kMaxMpEntries; ++i) {
            const int64_t size = tiff.number(table + 16 * i + 4, 4);
            const int64_t offset = tiff.number(table + 16 * i + 8, 4);
            if (offset > 0 && size > 0) {
                const int64_t at = tiffStart + offset;
                const auto frame = at + size <= head.size() ? ReadJpegFrame(head.sliced(at, size)) : std::nullopt;
                layout.previews.push_back({at, size, frame});
            }
        }
    });
}

bool startsWith(QByteArrayView head, int64_t pos, QByteArrayView mark)
{
    return pos + mark.size() <= head.size() && head.sliced(pos, mark.size()) == mark;
}

// JPEG layout: FF D8, then segments FF <marker> <length (2, counting
// itself)> <data>, up to SOS (FF DA). Fill bytes FF may stand before a
// marker; TEM and RSTn have no length. Calls visit(marker, position of the
// length, end of the segment) for each segment with a length.
template <typename Visit>
void walkSegments(QByteArrayView jpeg, Visit visit)
{
    if (bigEndian(jpeg, 0, 2) != 0xFFD8)
        return;
    int64_t pos = 2;
    for (int segment = 0; segment < kMaxSegments && pos + 4 <= jpeg.size(); ++segment) {
        if (uint8_t(jpeg[pos]) != 0xFF)
            return;
        const auto marker = uint8_t(jpeg[pos + 1]);
        if (marker == 0xFF) {
            pos += 1;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            pos += 2;
            continue;
        }
        const int64_t length = bigEndian(jpeg, pos + 2, 2);
        if (marker == 0xDA || marker == 0xD9 || length < 2)
            return;
        const int64_t end = std::min<int64_t>(pos + 2 + length, jpeg.size());
        if (!visit(marker, pos + 2, end))
            return;
        pos += 2 + length;
    }
}

// SOF0 to SOF2 (baseline, extended, progressive): precision (1), height
// (2), width (2) after the length.
bool decodableFrame(uint8_t marker)
{
    return marker >= 0xC0 && marker <= 0xC2;
}

bool otherFrame(uint8_t marker)
{
    return marker >= 0xC3 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

}

std::optional<JpegFrame> ReadJpegFrame(QByteArrayView jpeg)
{
    std::optional<JpegFrame> frame;
    walkSegments(jpeg, [&](uint8_t marker, int64_t at, int64_t) {
        if (decodableFrame(marker))
            frame = JpegFrame{int32_t(bigEndian(jpeg, at + 5, 2)), int32_t(bigEndian(jpeg, at + 3, 2))};
        return !decodableFrame(marker) && !otherFrame(marker);
    });
    return frame;
}

JpegLayout ReadJpegLayout(QByteArrayView head)
{
    JpegLayout layout;
    bool exifSeen = false;
    walkSegments(head, [&](uint8_t marker, int64_t at, int64_t end) {
        if (marker == 0xE1 && !exifSeen && startsWith(head, at + 2, QByteArrayView("Exif\0\0", 6))) {
            exifSeen = true;
            readExif(head, at + 8, end, layout);
        } else if (marker == 0xE2 && startsWith(head, at + 2, QByteArrayView("MPF\0", 4))) {
            readMpf(head, at + 6, end, layout);
        } else if (decodableFrame(marker)) {
            layout.frame = JpegFrame{int32_t(bigEndian(head, at + 5, 2)), int32_t(bigEndian(head, at + 3, 2))};
            return false;
        }
        return !otherFrame(marker);
    });
    return layout;
}
