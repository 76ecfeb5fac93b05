#include "metadata/TiffFile.h"

namespace {

constexpr int kTypeSizes[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};

}

uint32_t TiffEntry::number(bool littleEndian) const
{
    return uint32_t(ReadInteger(field, 0, type == 3 || type == 8 ? 2 : 4, littleEndian));
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

std::optional<TiffHeader> ReadTiffHeader(ByteSource &source, int64_t start)
{
    const QByteArrayView bytes = source.at(start, 8);
    if (!IsTiffHeader(bytes))
        return std::nullopt;
    const bool little = bytes[0] == 'I';
    return TiffHeader{start, little, uint32_t(ReadInteger(bytes, 4, 4, little))};
}

std::optional<TiffDirectory> ReadTiffDirectory(ByteSource &source, const TiffHeader &tiff, uint32_t offset)
{
    const int64_t at = tiff.start + offset;
    const QByteArrayView head = source.at(at, 2);
    if (head.size() < 2)
        return std::nullopt;
    const auto claimed = int64_t(ReadInteger(head, 0, 2, tiff.littleEndian));
    const QByteArrayView bytes = source.at(at, 2 + 12 * claimed + 4);
    const int64_t present = std::min<int64_t>(claimed, (bytes.size() - 2) / 12);
    TiffDirectory dir;
    dir.entries.reserve(size_t(present));
    for (int64_t i = 0; i < present; ++i) {
        const int64_t p = 2 + 12 * i;
        dir.entries.push_back({uint16_t(ReadInteger(bytes, p, 2, tiff.littleEndian)),
                               uint16_t(ReadInteger(bytes, p + 2, 2, tiff.littleEndian)),
                               uint32_t(ReadInteger(bytes, p + 4, 4, tiff.littleEndian)),
                               bytes.sliced(p + 8, 4).toByteArray()});
    }
    if (present == claimed && bytes.size() >= 2 + 12 * claimed + 4)
        dir.next = uint32_t(ReadInteger(bytes, 2 + 12 * claimed, 4, tiff.littleEndian));
    return dir;
}
