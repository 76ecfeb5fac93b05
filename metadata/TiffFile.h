#pragma once

#include "metadata/ByteSource.h"

#include <cstdint>
#include <optional>
#include <vector>

// A TIFF structure inside a file: the position of its header, from which its
// offsets count, its byte order and the offset of IFD0.
struct TiffHeader
{
    int64_t start = 0;
    bool littleEndian = false;
    uint32_t ifd0 = 0;
};

// One 12-byte directory entry: id (2), type (2), count (4), value or offset (4).
struct TiffEntry
{
    uint16_t id = 0;
    uint16_t type = 0;
    uint32_t count = 0;
    QByteArray field; // the 4 bytes of the value field, as stored

    // The first value when it is a SHORT or LONG held in the field.
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
std::optional<TiffHeader> ReadTiffHeader(ByteSource &source, int64_t start);
bool IsTiffHeader(QByteArrayView bytes);

// The directory at `offset` from the header; entries cut off by the file's
// end (or the read budget) are left out.
std::optional<TiffDirectory> ReadTiffDirectory(ByteSource &source, const TiffHeader &tiff, uint32_t offset);
