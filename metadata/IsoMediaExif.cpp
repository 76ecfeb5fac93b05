#include "metadata/ContainerExif.h"
#include "metadata/ExifParse.h"
#include "metadata/HeifMeta.h"
#include "metadata/ImageGeometry.h"
#include "metadata/TiffExifBlock.h"
#include "metadata/VideoTimes.h"

namespace {

constexpr int64_t kMoovHead = 64 * 1024;

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
        return ExifBlock::Found(std::move(data), tiff);
    }
    return {};
}

QByteArray heifXmp(ByteSource &source, const HeifMeta &meta)
{
    for (const auto &[id, item] : meta.items) {
        if (item.type == kHeifXmpItem)
            return HeifItemData(source, meta, item, kMaxXmpBytes);
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

ExifBlock ReadIsoMedia(ByteSource &source, ExifWalkScope scope)
{
    const bool all = scope == ExifWalkScope::AllEntries;
    const std::vector<IsoBox> top = ReadBoxes(source, 0, source.size());
    if (const auto metaBox = FindBox(top, FourCc("meta"))) {
        const HeifMeta meta = ReadHeifMeta(source, *metaBox);
        ExifBlock block = heifExif(source, meta);
        if (all || !HoldsCaptureTime(block))
            block.xmp = heifXmp(source, meta);
        if (all)
            block.geometry = HeifGeometry(meta);
        return block;
    }
    const auto moov = FindBox(top, FourCc("moov"));
    if (!moov)
        return {};
    // A CR3's Canon boxes and a video's movie header stand at the start of
    // "moov"; its sample tables, as large as the video is long, after them.
    source.prefetch(moov->start, std::min<int64_t>(moov->end - moov->start, kMoovHead));
    const std::vector<IsoBox> children = ReadChildren(source, *moov);
    ExifBlock block;
    if (auto canon = canonExif(source, children, scope)) {
        block = std::move(*canon);
    } else if (std::vector<ContainerValue> times = ReadVideoTimes(source, children); !times.empty()) {
        block = ExifBlock::Values(std::move(times));
    }
    if (all)
        block.geometry = MovieGeometry(source, *moov);
    return block;
}
