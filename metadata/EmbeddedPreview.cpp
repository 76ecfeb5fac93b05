#include "metadata/EmbeddedPreview.h"

#include "metadata/ContainerExif.h"
#include "metadata/ExifTagNames.h"
#include "metadata/HeifMeta.h"
#include "metadata/JpegSegments.h"
#include "metadata/TiffImages.h"

#include "services/RegularFile.h"


namespace {

// Canon's "uuid" box at the top level of a CR3 that holds the PRVW box.
constexpr QByteArrayView kCanonPreviewUuid("\xea\xf4\x2b\x5e\x1c\x98\x4b\x88\xb9\xfb\xb7\xdc\x40\x6e\x4d\x16", 16);

using Candidate = std::pair<int64_t, int64_t>; // offset, length

// The frame size of a JPEG that Qt can decode, from its frame header
// within its `length` bytes; lossless frames (RAW data) give nothing.
std::optional<std::pair<int32_t, int32_t>> jpegFrame(ByteSource &source, int64_t start, int64_t length)
{
    std::optional<std::pair<int32_t, int32_t>> frame;
    WalkJpegSegments(source, start, [&](const JpegSegment &s) {
        if (s.data >= start + length || IsOtherFrame(s.marker))
            return false;
        if (!IsDecodableFrame(s.marker))
            return true;
        const QByteArrayView header = source.at(s.data, 5);
        if (header.size() == 5)
            frame = std::pair{int32_t(ReadBigEndian(header, 3, 2)), int32_t(ReadBigEndian(header, 1, 2))};
        return false;
    });
    return frame;
}

// The largest candidate that is a JPEG Qt can decode.
void pickLargest(ByteSource &source, std::vector<Candidate> candidates, EmbeddedPreview &preview)
{
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate &a, const Candidate &b) { return a.second > b.second; });
    for (const auto &[offset, length] : candidates) {
        if (length <= 0 || offset < 0 || offset > source.size() - length)
            continue;
        if (const auto frame = jpegFrame(source, offset, length)) {
            preview.offset = offset;
            preview.length = length;
            preview.width = frame->first;
            preview.height = frame->second;
            return;
        }
    }
}

// CR3: the PRVW box in the top-level preview "uuid" box (payload: 4 + 2
// bytes, width (2), height (2), 2 bytes, JPEG length (4), the JPEG) and the
// THMB box in the metadata "uuid" box (4 bytes, width (2), height (2),
// length (4), 4 bytes, the JPEG).
void cr3Preview(ByteSource &source, const std::vector<IsoBox> &top, EmbeddedPreview &preview)
{
    std::vector<Candidate> candidates;
    for (const IsoBox &box : top) {
        if (box.type == FourCc("uuid") && box.userType == kCanonPreviewUuid) {
            for (const IsoBox &prvw : ReadBoxes(source, box.payload + 8, box.end)) {
                if (prvw.type == FourCc("PRVW"))
                    candidates.emplace_back(prvw.payload + 16, int64_t(ReadBigEndian(source.at(prvw.payload + 12, 4), 0, 4)));
            }
        }
    }
    if (const auto moov = FindBox(top, FourCc("moov"))) {
        for (const IsoBox &box : ReadChildren(source, *moov)) {
            if (box.type != FourCc("uuid") || box.userType != kCanonMetadataUuid)
                continue;
            if (const auto thmb = FindChild(source, box, FourCc("THMB")))
                candidates.emplace_back(thmb->payload + 16, int64_t(ReadBigEndian(source.at(thmb->payload + 8, 4), 0, 4)));
        }
    }
    pickLargest(source, candidates, preview);
}

// HEIF/AVIF: a JPEG thumbnail item of the primary item (or a JPEG primary
// item) stored in one extent.
void heifPreview(ByteSource &source, const IsoBox &metaBox, EmbeddedPreview &preview)
{
    preview.isHeif = true;
    const HeifMeta meta = ReadHeifMeta(source, metaBox);
    std::vector<Candidate> candidates;
    for (const auto &[id, item] : meta.items) {
        const auto thumb = meta.thumbnailOf.find(id);
        const bool wanted = id == meta.primary || (thumb != meta.thumbnailOf.end() && thumb->second == meta.primary);
        if (wanted && item.type == FourCc("jpeg") && item.method == 0 && item.extents.size() == 1)
            candidates.push_back(item.extents[0]);
    }
    pickLargest(source, candidates, preview);
}

EmbeddedPreview find(ByteSource &source)
{
    EmbeddedPreview preview;
    const QByteArray head = source.at(0, 4096).toByteArray();
    if (const auto tiff = ReadTiffHeader(source, 0)) {
        pickLargest(source, ReadTiffImages(source, *tiff).previews, preview);
    } else if (IsRaf(head)) {
        if (const auto jpeg = RafJpeg(source))
            pickLargest(source, {*jpeg}, preview);
    } else if (IsIsoMedia(head)) {
        const std::vector<IsoBox> top = ReadBoxes(source, 0, source.size());
        if (const auto meta = FindBox(top, FourCc("meta")))
            heifPreview(source, *meta, preview);
        else
            cr3Preview(source, top, preview);
    }
    return preview;
}

}

EmbeddedPreview FindEmbeddedPreview(const QString &path)
{
    const RegularFile file(path);
    if (file.fd() < 0)
        return {};
    ByteSource source = ByteSource::ofFile(file.fd(), file.status().st_size);
    return find(source);
}

EmbeddedPreview FindEmbeddedPreviewInMemory(QByteArrayView file)
{
    ByteSource source = ByteSource::ofMemory(file);
    return find(source);
}
