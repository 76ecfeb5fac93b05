#pragma once

#include "metadata/ExifBlock.h"

#include <optional>
#include <utility>

// The EXIF blocks of the containers that are neither JPEG nor TIFF, each
// told from the file's first bytes.

// Fujifilm RAF: "FUJIFILMCCD-RAW", the block of its embedded JPEG.
bool IsRaf(QByteArrayView head);
ExifBlock LocateRafExif(ByteSource &source);
// The offset and length of a RAF's embedded JPEG.
std::optional<std::pair<int64_t, int64_t>> RafJpeg(ByteSource &source);

// PNG: the "eXIf" chunk.
bool IsPng(QByteArrayView head);
ExifBlock LocatePngExif(ByteSource &source);

// ISO base media files: a HEIF/AVIF "Exif" item, Canon CR3's CMT1 and CMT2
// boxes, or a video's creation times.
ExifBlock LocateIsoMediaExif(ByteSource &source, ExifWalkScope scope);
