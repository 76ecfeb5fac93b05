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

// PNG, as ReadExifBlock reads a file, in one walk of its chunks: the "eXIf"
// chunk, else the hex-encoded EXIF of a "Raw profile type exif" text chunk
// (as ImageMagick writes it); the XMP of the iTXt chunk "XML:com.adobe.xmp".
bool IsPng(QByteArrayView head);
ExifBlock ReadPng(ByteSource &source, QByteArrayView head, ExifWalkScope scope);

// The user type of the "uuid" box in a CR3's "moov" that holds Canon's
// metadata boxes: CMT1 (IFD0) and CMT2 (the Exif directory), each a TIFF
// structure of its own, and THMB (a small JPEG).
inline constexpr QByteArrayView kCanonMetadataUuid(
    "\x85\xc0\xb6\x87\x82\x0f\x11\xe0\x81\x11\xf4\xce\x46\x2b\x6a\x48", 16);

// ISO base media files, as ReadExifBlock reads a file, with one walk of the
// top-level boxes: a HEIF/AVIF "Exif" item and "mime" XMP item, Canon CR3's
// CMT1 and CMT2 boxes, or a video's creation times.
ExifBlock ReadIsoMedia(ByteSource &source, ExifWalkScope scope);

// The XMP packet of a TIFF (tag 700) or of a RAF's JPEG, at most
// kMaxXmpBytes of it.
QByteArray ReadXmpPacket(ByteSource &source, QByteArrayView head);
