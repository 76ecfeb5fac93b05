#pragma once

#include "metadata/TiffFile.h"

#include <utility>
#include <vector>

// What the directories of a TIFF file say about its images: the JPEG
// previews a RAW file embeds (offset and length in the file), and the size
// of the main image.
struct TiffImages
{
    std::vector<std::pair<int64_t, int64_t>> previews;
    std::optional<std::pair<int32_t, int32_t>> size;
};

// Walks IFD0 and the chain after it, each with its SubIFDs, guarded against
// loops and depth. Previews: a JPEG given by JPEGInterchangeFormat and its
// length, or JpgFromRaw, or a single JPEG strip that is not raw sensor data
// (CFA or linear raw). The size is that of the directory marked as the
// full-resolution image (new subfile type 0), else IFD0's.
TiffImages ReadTiffImages(ByteSource &source, const TiffHeader &tiff);
