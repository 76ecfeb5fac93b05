#include "metadata/ContainerExif.h"
#include "metadata/HeifMeta.h"
#include "metadata/TiffExifBlock.h"
#include "metadata/VideoTimes.h"

namespace {

// The item's data: a 4-byte big-endian offset to the TIFF header, counted
// from the end of these 4 bytes (usually 6, past "Exif\0\0").
ExifBlock heifExif(ByteSource &source, const HeifMeta &meta)
{
    for (const auto &[id, item] : meta.items) {
        if (item.type != FourCc("Exif"))
            continue;
        QByteArray data = HeifItemData(source, meta, item, ByteSource::kBaseBytes);
        const uint64_t offset = ReadBigEndian(data, 0, 4);
        if (data.size() < 12 || offset > uint64_t(data.size() - 12))
            return {};
        const auto tiff = int64_t(4 + offset);
        if (!IsTiffHeader(QByteArrayView(data).sliced(tiff)))
            return {};
        return {ExifBlock::Outcome::Found, std::move(data), tiff, {}};
    }
    return {};
}

std::optional<ExifBlock> canonExif(ByteSource &source, const std::vector<IsoBox> &moov, ExifWalkScope scope)
{
    for (const IsoBox &box : moov) {
        if (box.type != FourCc("uuid") || box.userType != kCanonMetadataUuid)
            continue;
        const std::vector<IsoBox> children = ReadChildren(source, box);
        const auto cmt1 = FindBox(children, FourCc("CMT1"));
        const auto cmt2 = FindBox(children, FourCc("CMT2"));
        const auto ifd0 = cmt1 ? ReadTiffHeader(source, cmt1->payload) : std::nullopt;
        if (!ifd0)
            return ExifBlock{};
        if (const auto exif = cmt2 ? ReadTiffHeader(source, cmt2->payload) : std::nullopt)
            return AssembleTiffExif(source, *ifd0, *exif, scope);
        return AssembleTiffExif(source, *ifd0, scope);
    }
    return std::nullopt;
}

}

ExifBlock LocateIsoMediaExif(ByteSource &source, ExifWalkScope scope)
{
    const std::vector<IsoBox> top = ReadBoxes(source, 0, source.size());
    if (const auto meta = FindBox(top, FourCc("meta")))
        return heifExif(source, ReadHeifMeta(source, *meta));
    const auto moov = FindBox(top, FourCc("moov"));
    if (!moov)
        return {};
    const std::vector<IsoBox> children = ReadChildren(source, *moov);
    if (auto canon = canonExif(source, children, scope))
        return std::move(*canon);
    std::vector<ContainerValue> times = ReadVideoTimes(source, children);
    if (times.empty())
        return {};
    return {ExifBlock::Outcome::Found, {}, 0, std::move(times)};
}
