#pragma once

#include "metadata/ExifBlock.h"
#include "metadata/HeifMeta.h"
#include "metadata/JpegSegments.h"

// The size of the picture as its image data gives it, never EXIF's
// ExifImageWidth, which editors leave stale.

// PNG's IHDR, the main image of a TIFF or RAW file, GIF's and BMP's headers.
// Canon's CR2, whose directories hold only its previews, gives it in its
// Exif directory. Nothing for anything else (RAF, a file without image data).
std::optional<ImageGeometry> ReadImageGeometry(ByteSource &source, QByteArrayView head);
// A JPEG's frame header (found with its other parts in one walk):
// precision (1), height (2), width (2).
std::optional<ImageGeometry> JpegFrameGeometry(ByteSource &source, const JpegSegment &frame);
// The "ispe" of a HEIF's primary item (a grid's whole size) turned by its "irot".
std::optional<ImageGeometry> HeifGeometry(const HeifMeta &meta);
// The IFD0 of a CR3's CMT1, or the first picture track of a video turned by
// its matrix; `moov` is the top-level box.
std::optional<ImageGeometry> MovieGeometry(ByteSource &source, const IsoBox &moov);
