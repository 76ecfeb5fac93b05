#include "metadata/TiffFile.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kTypeSizes[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
constexpr uint16_t kShort = 3, kLong = 4, kSShort = 8, kIfd = 13;

}

uint32_t TiffEntry::number(bool littleEndian) const
{
    if (type != kShort && type != kSShort)
        return field;
    return littleEndian ? field & 0xFFFF : field >> 16;
}

int64_t TiffEntry::valueSize() const
{
    return type < 13 ? int64_t(kTypeSizes[type]) * count : 0;
}

bool IsTiffHeader(QByteArrayView bytes)
{
    if (bytes.size() < 8 || bytes[0] != bytes[1] || (bytes[0] != 'I' && bytes[0] != 'M'))
        return false;
    const auto magic = uint16_t(ReadInteger(bytes, 2, 2, bytes[0] == 'I'));
    return magic == 42 || magic == 0x4F52 || magic == 0x5352 || magic == 0x0055;
}

std::optional<TiffHeader> ReadTiffHeader(ByteSource &source, int64_t start, int64_t end)
{
    const QByteArrayView bytes = source.at(start, std::min<int64_t>(8, end - start));
    if (!IsTiffHeader(bytes))
        return std::nullopt;
    const bool little = bytes[0] == 'I';
    return TiffHeader{start, little, uint32_t(ReadInteger(bytes, 4, 4, little)), end};
}

TiffDirectory ParseTiffDirectory(QByteArrayView bytes, int64_t at, bool littleEndian)
{
    TiffDirectory dir;
    if (at < 0 || at + 2 > bytes.size())
        return dir;
    const auto claimed = int64_t(ReadInteger(bytes, at, 2, littleEndian));
    const int64_t present = std::min<int64_t>(claimed, (bytes.size() - at - 2 + 11) / 12);
    dir.entries.reserve(size_t(present));
    const auto u16 = [littleEndian](const uchar *p) {
        return littleEndian ? qFromLittleEndian<quint16>(p) : qFromBigEndian<quint16>(p);
    };
    const auto u32 = [littleEndian](const uchar *p) {
        return littleEndian ? qFromLittleEndian<quint32>(p) : qFromBigEndian<quint32>(p);
    };
    for (int64_t i = 0; i < present; ++i) {
        const int64_t p = at + 2 + 12 * i;
        // The last entry may be cut off by the end: its missing bytes are 0.
        uchar entry[12] = {};
        std::memcpy(entry, bytes.data() + p, size_t(std::min<int64_t>(12, bytes.size() - p)));
        dir.entries.push_back({u16(entry), u16(entry + 2), u32(entry + 4), u32(entry + 8), p});
    }
    if (at + 2 + 12 * claimed + 4 <= bytes.size())
        dir.next = uint32_t(ReadInteger(bytes, at + 2 + 12 * claimed, 4, littleEndian));
    return dir;
}

std::optional<TiffDirectory> ReadTiffDirectory(ByteSource &source, const TiffHeader &tiff, uint32_t offset)
{
    const int64_t at = tiff.start + offset;
    if (at >= tiff.end)
        return std::nullopt;
    const QByteArrayView head = source.at(at, std::min<int64_t>(2, tiff.end - at));
    if (head.size() < 2)
        return std::nullopt;
    const auto claimed = int64_t(ReadInteger(head, 0, 2, tiff.littleEndian));
    const QByteArrayView bytes = source.at(at, std::min(2 + 12 * claimed + 4, tiff.end - at));
    TiffDirectory dir = ParseTiffDirectory(bytes, 0, tiff.littleEndian);
    for (TiffEntry &e : dir.entries)
        e.at += at;
    return dir;
}

const TiffEntry *FindEntry(const TiffDirectory &dir, uint16_t id)
{
    const auto it = std::find_if(dir.entries.begin(), dir.entries.end(), [id](const TiffEntry &e) { return e.id == id; });
    return it == dir.entries.end() ? nullptr : &*it;
}

uint32_t SubDirectoryOffset(const TiffDirectory &dir, uint16_t id, bool littleEndian)
{
    uint32_t offset = 0;
    for (const TiffEntry &e : dir.entries) {
        if (e.id == id && e.count >= 1 && (e.type == kShort || e.type == kLong || e.type == kIfd))
            offset = e.number(littleEndian);
    }
    return offset;
}
