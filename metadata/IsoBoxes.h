#pragma once

#include "metadata/ByteSource.h"

#include <algorithm>
#include <cstdint>
#include <functional>
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

    int64_t payloadSize() const { return end - payload; }
};

constexpr uint32_t FourCc(const char (&code)[5])
{
    return uint32_t(uint8_t(code[0])) << 24 | uint32_t(uint8_t(code[1])) << 16 | uint32_t(uint8_t(code[2])) << 8
           | uint8_t(code[3]);
}

// Calls visit for each box from `from` to `to` until it returns false,
// reading only each box's header; the walk ends at the first header that
// does not fit in the range. How many boxes a level may hold is bounded by
// the bytes the source may read, not by a count.
void WalkBoxes(ByteSource &source, int64_t from, int64_t to, const std::function<bool(const IsoBox &)> &visit);
// All boxes from `from` to `to`.
std::vector<IsoBox> ReadBoxes(ByteSource &source, int64_t from, int64_t to);
// The children of `box`, whose payload begins with `skip` bytes of its own
// (4 for a full box's version and flags).
std::vector<IsoBox> ReadChildren(ByteSource &source, const IsoBox &box, int64_t skip = 0);
// The first child of that type, found without collecting the others.
std::optional<IsoBox> FindChild(ByteSource &source, const IsoBox &box, uint32_t type, int64_t skip = 0);
std::optional<IsoBox> FindBox(const std::vector<IsoBox> &boxes, uint32_t type);
// The payload of a box up to `limit` bytes; empty when it is larger.
QByteArray BoxPayload(ByteSource &source, const IsoBox &box, int64_t limit);
// A file that starts with a box header of a known top-level type.
bool IsIsoMedia(QByteArrayView head);
