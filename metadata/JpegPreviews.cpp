#include "metadata/JpegPreviews.h"

#include "metadata/ExifBytes.h"
#include "metadata/JpegSegments.h"
#include "metadata/TiffFile.h"

#include <algorithm>

namespace {

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
    QByteArrayView bytes; // up to the segment's end
    int64_t start = 0;
    bool little = false;

    int64_t number(int64_t pos, int n) const
    {
        return static_cast<int64_t>(ReadUnsigned(bytes, start + pos, n, little));
    }
    TiffDirectory directory(int64_t offset) const { return ParseTiffDirectory(bytes, start + offset, little); }
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
    const TiffDirectory ifd0 = tiff.directory(tiff.number(4, 4));
    for (const TiffEntry &e : ifd0.entries) {
        const uint32_t value = e.number(tiff.little) & 0xFFFF;
        if (e.id == kOrientation && value >= 1 && value <= 8)
            layout.orientation = int32_t(value);
    }
    if (ifd0.next == 0)
        return;
    const TiffDirectory ifd1 = tiff.directory(ifd0.next);
    const TiffEntry *offsetEntry = FindEntry(ifd1, kJpegInterchangeFormat);
    const TiffEntry *lengthEntry = FindEntry(ifd1, kJpegInterchangeFormatLength);
    const int64_t offset = offsetEntry ? offsetEntry->number(tiff.little) : 0;
    const int64_t length = lengthEntry ? lengthEntry->number(tiff.little) : 0;
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
    const TiffDirectory index = tiff.directory(tiff.number(4, 4));
    const TiffEntry *entry = FindEntry(index, kMpEntry);
    if (!entry)
        return;
    const int64_t table = entry->field;
    for (int64_t i = 0; i < entry->count / 16 && i < kMaxMpEntries; ++i) {
        const int64_t size = tiff.number(table + 16 * i + 4, 4);
        const int64_t offset = tiff.number(table + 16 * i + 8, 4);
        if (offset > 0 && size > 0) {
            const int64_t at = tiffStart + offset;
            const auto frame = at + size <= head.size() ? ReadJpegFrame(head.sliced(at, size)) : std::nullopt;
            layout.previews.push_back({at, size, frame});
        }
    }
}

bool startsWith(QByteArrayView head, int64_t pos, QByteArrayView mark)
{
    return pos + mark.size() <= head.size() && head.sliced(pos, mark.size()) == mark;
}

// The frame header's size: precision (1), height (2), width (2).
JpegFrame frameOf(QByteArrayView jpeg, int64_t data)
{
    return {int32_t(bigEndian(jpeg, data + 3, 2)), int32_t(bigEndian(jpeg, data + 1, 2))};
}

}

std::optional<JpegFrame> ReadJpegFrame(QByteArrayView jpeg)
{
    std::optional<JpegFrame> frame;
    ByteSource source = ByteSource::ofMemory(jpeg);
    WalkJpegSegments(source, 0, [&](const JpegSegment &s) {
        if (IsDecodableFrame(s.marker))
            frame = frameOf(jpeg, s.data);
        return !IsDecodableFrame(s.marker) && !IsOtherFrame(s.marker);
    });
    return frame;
}

JpegLayout ReadJpegLayout(QByteArrayView head)
{
    JpegLayout layout;
    bool exifSeen = false;
    ByteSource source = ByteSource::ofMemory(head);
    WalkJpegSegments(source, 0, [&](const JpegSegment &s) {
        const int64_t end = std::min<int64_t>(s.data + s.length, head.size());
        if (s.marker == 0xE1 && !exifSeen && startsWith(head, s.data, QByteArrayView("Exif\0\0", 6))) {
            exifSeen = true;
            readExif(head, s.data + 6, end, layout);
        } else if (s.marker == 0xE2 && startsWith(head, s.data, QByteArrayView("MPF\0", 4))) {
            readMpf(head, s.data + 4, end, layout);
        } else if (IsDecodableFrame(s.marker)) {
            layout.frame = frameOf(head, s.data);
            return false;
        }
        return !IsOtherFrame(s.marker);
    });
    return layout;
}
