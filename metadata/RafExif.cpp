#include "metadata/ByteSource.h"
#include "metadata/ContainerExif.h"

namespace {

constexpr QByteArrayView kRafMagic("FUJIFILMCCD-RAW");

}

bool IsRaf(QByteArrayView head)
{
    return head.startsWith(kRafMagic);
}

// Header: magic (16), format version (4), camera id (8), camera name (32),
// directory version (4), reserved (20), then big-endian the embedded JPEG's
// offset (4, at 84) and length (4, at 88).
std::optional<std::pair<int64_t, int64_t>> RafJpeg(ByteSource &source)
{
    const QByteArrayView header = source.at(0, 92);
    if (header.size() < 92 || !IsRaf(header))
        return std::nullopt;
    const auto offset = int64_t(ReadBigEndian(header, 84, 4));
    const auto length = int64_t(ReadBigEndian(header, 88, 4));
    if (offset < 92 || length < 4 || offset > source.size() - length)
        return std::nullopt;
    return std::pair{offset, length};
}

ExifBlock LocateRafExif(ByteSource &source, ExifWalkScope scope)
{
    const auto jpeg = RafJpeg(source);
    if (!jpeg)
        return {};
    return LocateJpegExif(source, jpeg->first, scope);
}
