#pragma once

#include "metadata/ByteSource.h"

#include <cstdint>
#include <optional>
#include <vector>

// A TIFF structure inside a file: the position of its header, from which its
// offsets count, its byte order, the offset of IFD0, and where its bytes end
// (a JPEG's EXIF segment ends before the file does).
struct TiffHeader
{
    int64_t start = 0;
    bool littleEndian = false;
    uint32_t ifd0 = 0;
    int64_t end = INT64_MAX;
};

// One 12-byte directory entry: id (2), type (2), count (4), value or offset (4).
struct TiffEntry
{
    uint16_t id = 0;
    uint16_t type = 0;
    uint32_t count = 0;
    uint32_t field = 0; // the value field read as one number in the file's byte order
    int64_t at = 0;     // where the entry starts, in the bytes it was read from

    // The first value when it is a SHORT or LONG held in the field: the
    // field's first two bytes for the 2-byte types.
    uint32_t number(bool littleEndian) const;
    // The bytes of the whole value; 0 when the type is unknown.
    int64_t valueSize() const;
};

struct TiffDirectory
{
    std::vector<TiffEntry> entries;
    uint32_t next = 0; // offset of the next directory, 0 at the chain's end
};

// Byte order "II" or "MM", then the magic: 42 for TIFF and most RAW files,
// "RO"/"RS" for Olympus, 0x55 for Panasonic; then IFD0's offset.
std::optional<TiffHeader> ReadTiffHeader(ByteSource &source, int64_t start, int64_t end = INT64_MAX);
bool IsTiffHeader(QByteArrayView bytes);

// The one reader of directories, for every TIFF structure the program meets
// (EXIF blocks, RAW files, the thumbnails and MPF images of a JPEG). Layout
// at `at`: a 2-byte entry count, the 12-byte entries, the next directory's
// offset (4). Entries that start past the bytes' end are left out, so a
// corrupt count costs no more than the bytes hold; the missing bytes of an
// entry cut off by the end read as 0.
TiffDirectory ParseTiffDirectory(QByteArrayView bytes, int64_t at, bool littleEndian);
// The same for a directory at `offset` from the header, read from the file
// (within the structure's end); nothing when not even its count is there.
std::optional<TiffDirectory> ReadTiffDirectory(ByteSource &source, const TiffHeader &tiff, uint32_t offset);

// The first entry with this id, or null.
const TiffEntry *FindEntry(const TiffDirectory &dir, uint16_t id);
// The offset the last `id` entry (ExifOffset, GPSInfo) holds as a LONG,
// SHORT or IFD value; 0 when there is none.
uint32_t SubDirectoryOffset(const TiffDirectory &dir, uint16_t id, bool littleEndian);
