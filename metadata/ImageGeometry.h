#pragma once

#include "metadata/ExifBlock.h"

// The size of the picture as its image data gives it, never EXIF's
// ExifImageWidth, which editors leave stale: the JPEG's frame header, PNG's
// IHDR, the "ispe" of a HEIF's primary item (a grid's whole size) turned by
// its "irot", the main image of a TIFF or RAW file, the IFD0 of a CR3's
// CMT1, the first picture track of a video turned by its matrix, GIF's and
// BMP's headers. Canon's
// CR2, whose directories hold only its previews, gives it in its Exif
// directory. Nothing for anything else (RAF, a file without image data).
std::optional<ImageGeometry> ReadImageGeometry(ByteSource &source, QByteArrayView head);
