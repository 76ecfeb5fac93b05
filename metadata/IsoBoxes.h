#pragma once

#include "metadata/ByteSource.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

// One box of an ISO base media file (HEIF, AVIF, CR3, MP4, QuickTime):
// size (4), type (4), a 64-bit size after them when size is 1, a 16-byte
// user type when the type is "uuid"; size 0 reaches to the end of the
// enclosing box.
struct IsoBox
{
    uint32_t type = 0;
    int64_t start = 0;
    int64_t payload = 0; // the first byte after the header
    int64_t end = 0;
    QByteArray userType; // the 16 bytes of a "uuid" box
    QByteArray head;     // the box's first 32 bytes (fewer when it is smaller), read with its header

    int64_t payloadSize() const { return end - payload; }
    // The first bytes of the payload as far as `head` holds them.
    QByteArrayView payloadHead() const
    {
        return QByteArrayView(head).sliced(std::min<qsizetype>(payload - start, head.size()));
    }
};

constexpr uint32_t FourCc(const char (&code)[5])
{
    return uint32_t(uint8_t(code[0])) << 24 | uint32_t(uint8_t(code[1])) << 16 | uint32_t(uint8_t(code[2])) << 8
           | uint8_t(code[3]);
}

// The boxes from `from` to `to`, one header read each. The walk ends at the
// first header that does not fit in the range, and after 64 boxes: real
// files have a handful per level.
std::vector<IsoBox> ReadBoxes(ByteSource &source, int64_t from, int64_t to);
// The children of `box`, whose payload begins with `skip` bytes of its own
// (4 for a full box's version and flags).
std::vector<IsoBox> ReadChildren(ByteSource &source, const IsoBox &box, int64_t skip = 0);
std::optional<IsoBox> FindBox(const std::vector<IsoBox> &boxes, uint32_t type);
// The payload of a box up to `limit` bytes; empty when it is larger.
QByteArray BoxPayload(ByteSource &source, const IsoBox &box, int64_t limit);
// A file that starts with a box header of a known top-level type.
bool IsIsoMedia(QByteArrayView head);
