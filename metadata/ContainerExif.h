#pragma once

#include "metadata/ExifBlock.h"

#include <optional>
#include <utility>

// The EXIF blocks of the containers that are neither JPEG nor TIFF, each
// told from the file's first bytes.

// Fujifilm RAF: "FUJIFILMCCD-RAW", the block of its embedded JPEG.
bool IsRaf(QByteArrayView head);
ExifBlock LocateRafExif(ByteSource &source, ExifWalkScope scope);
// The offset and length of a RAF's embedded JPEG.
std::optional<std::pair<int64_t, int64_t>> RafJpeg(ByteSource &source);

// The XMP packets the reader reads are cut off after this many bytes; the
// capture times stand at their start.
inline constexpr int64_t kMaxXmpBytes = 64 * 1024;

// PNG: the "eXIf" chunk, else the hex-encoded EXIF of a "Raw profile type
// exif" text chunk (as ImageMagick writes it); the XMP of the iTXt chunk
// "XML:com.adobe.xmp".
bool IsPng(QByteArrayView head);
ExifBlock LocatePngExif(ByteSource &source);
QByteArray PngXmp(ByteSource &source);

// The user type of the "uuid" box in a CR3's "moov" that holds Canon's
// metadata boxes: CMT1 (IFD0) and CMT2 (the Exif directory), each a TIFF
// structure of its own, and THMB (a small JPEG).
inline constexpr QByteArrayView kCanonMetadataUuid(
    "\x85\xc0\xb6\x87\x82\x0f\x11\xe0\x81\x11\xf4\xce\x46\x2b\x6a\x48", 16);

// ISO base media files: a HEIF/AVIF "Exif" item, Canon CR3's CMT1 and CMT2
// boxes, or a video's creation times.
ExifBlock LocateIsoMediaExif(ByteSource &source, ExifWalkScope scope);

// The XMP packet a file embeds, at most kMaxXmpBytes of it: JPEG's APP1
// "http://ns.adobe.com/xap/1.0/", TIFF's tag 700, PNG's iTXt, a HEIF's
// "mime" item of type application/rdf+xml, the XMP of a RAF's JPEG.
QByteArray ReadXmpPacket(ByteSource &source, QByteArrayView head);
