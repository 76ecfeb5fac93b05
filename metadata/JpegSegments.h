#pragma once

#include "metadata/ByteSource.h"

#include <functional>
#include <optional>

// One segment of a JPEG: its marker and its data, after the two length bytes.
struct JpegSegment
{
    uint8_t marker = 0;
    int64_t data = 0;
    int64_t length = 0;
};

// FF D8: the start of a JPEG.
bool IsJpeg(QByteArrayView head);

// JPEG layout: FF D8, then segments FF <marker> <length (2, counting
// itself)> <data>, up to SOS (FF DA), where the image data starts, or EOI.
// FF fill bytes may stand before a marker; TEM (FF 01) and RSTn have no
// length. Calls visit for each segment with a length, before SOS, until it
// returns false; reads only each segment's header, skipping its data by its
// declared length.
void WalkJpegSegments(ByteSource &source, int64_t start, const std::function<bool(const JpegSegment &)> &visit);

// The parts of a JPEG the reader uses, found in one walk: the first EXIF
// segment (APP1 "Exif\0"), the first XMP segment (APP1
// "http://ns.adobe.com/xap/1.0/\0") and the frame header, where the walk
// ends; with untilExif it ends at the EXIF segment.
struct JpegParts
{
    std::optional<JpegSegment> exif;
    std::optional<JpegSegment> xmp;
    std::optional<JpegSegment> frame;
};
JpegParts FindJpegParts(ByteSource &source, int64_t start, bool untilExif);
// The packet of an XMP segment, at most `limit` bytes of it.
QByteArray JpegXmpPacket(ByteSource &source, const JpegSegment &xmp, int64_t limit);

// SOF0 to SOF2 (baseline, extended, progressive), which Qt decodes: data
// precision (1), height (2), width (2).
bool IsDecodableFrame(uint8_t marker);
// The other frame headers (lossless, hierarchical, arithmetic).
bool IsOtherFrame(uint8_t marker);
