#include "metadata/EmbeddedPreview.h"

#include "metadata/ContainerExif.h"
#include "metadata/ExifTagNames.h"
#include "metadata/HeifMeta.h"
#include "metadata/JpegSegments.h"
#include "metadata/TiffFile.h"

#include "services/RegularFile.h"

#include <set>

namespace {

constexpr int kMaxDirectories = 16;
constexpr int kMaxDepth = 4;
constexpr int32_t kJpgFromRaw = 0x2E;
// Canon's "uuid" box at the top level of a CR3 that holds the PRVW box.
constexpr QByteArrayView kCanonPreviewUuid("\xea\xf4\x2b\x5e\x1c\x98\x4b\x88\xb9\xfb\xb7\xdc\x40\x6e\x4d\x16", 16);

struct Candidate
{
    int64_t offset = 0;
    int64_t length = 0;
};

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
              [](const Candidate &a, const Candidate &b) { return a.length > b.length; });
    for (const Candidate &c : candidates) {
        if (c.length <= 0 || c.offset < 0 || c.offset > source.size() - c.length)
            continue;
        if (const auto frame = jpegFrame(source, c.offset, c.length)) {
            preview.offset = c.offset;
            preview.length = c.length;
            preview.width = frame->first;
            preview.height = frame->second;
            return;
        }
    }
}

// IFD0 and the chain after it, each with its SubIFDs, guarded against loops
// and depth. Previews: a JPEG given by JpegOffset/JpegLength or JpgFromRaw,
// or a single JPEG strip that is not raw sensor data (CFA or linear raw). The real size
// is that of the directory marked as the full-resolution image (new subfile
// type 0), else IFD0's; Canon's CR2 gives it in the Exif directory.
class TiffPreviewWalk
{
public:
    TiffPreviewWalk(ByteSource &source, const TiffHeader &tiff) : m_source(source), m_tiff(tiff) {}

    void run(EmbeddedPreview &preview)
    {
        walk(m_tiff.ifd0, 0, true);
        pickLargest(m_source, m_candidates, preview);
        preview.imageWidth = m_size.first;
        preview.imageHeight = m_size.second;
    }

private:
    void walk(uint32_t offset, int depth, bool chain)
    {
        while (offset != 0 && depth <= kMaxDepth && m_seen.size() < kMaxDirectories && m_seen.insert(offset).second) {
            const auto dir = ReadTiffDirectory(m_source, m_tiff, offset);
            if (!dir)
                return;
            look(*dir, depth == 0 && m_seen.size() == 1);
            if (const TiffEntry *sub = FindEntry(*dir, ExifTagId::SubIfds))
                walkSubIfds(*sub, depth + 1);
            if (!chain)
                return;
            offset = dir->next;
        }
    }

    void walkSubIfds(const TiffEntry &sub, int depth)
    {
        const bool le = m_tiff.littleEndian;
        if (sub.count == 1) {
            walk(sub.number(le), depth, false);
            return;
        }
        const QByteArray offsets =
            m_source.at(m_tiff.start + sub.number(le), 4 * std::min<int64_t>(sub.count, 8)).toByteArray();
        for (int64_t i = 0; i + 4 <= offsets.size(); i += 4)
            walk(uint32_t(ReadInteger(offsets, i, 4, le)), depth, false);
    }

    void look(const TiffDirectory &dir, bool isIfd0)
    {
        const bool le = m_tiff.littleEndian;
        const auto number = [&](int32_t id) -> std::optional<uint32_t> {
            const TiffEntry *e = FindEntry(dir, id);
            return e ? std::optional(e->number(le)) : std::nullopt;
        };
        const auto jpegOffset = number(ExifTagId::JpegOffset);
        const auto jpegLength = number(ExifTagId::JpegLength);
        if (jpegOffset && jpegLength)
            m_candidates.push_back({m_tiff.start + *jpegOffset, *jpegLength});
        // Panasonic's RW2 keeps its preview as the UNDEFINED value JpgFromRaw.
        if (const TiffEntry *e = FindEntry(dir, kJpgFromRaw); e && e->type == 7)
            m_candidates.push_back({m_tiff.start + e->number(le), e->count});
        const auto compression = number(ExifTagId::Compression);
        const auto photometric = number(ExifTagId::Photometric);
        const TiffEntry *strips = FindEntry(dir, ExifTagId::StripOffsets);
        const bool raw = photometric == 32803u || photometric == 34892u;
        if ((compression == 6u || compression == 7u) && !raw && strips && strips->count == 1) {
            if (const auto bytes = number(ExifTagId::StripByteCounts))
                m_candidates.push_back({m_tiff.start + strips->number(le), *bytes});
        }
        const auto width = number(ExifTagId::ImageWidth);
        const auto height = number(ExifTagId::ImageLength);
        if (!width || !height)
            return;
        if ((isIfd0 && !m_fullSizeSeen) || (number(ExifTagId::NewSubfileType) == 0u && !m_fullSizeSeen)) {
            m_size = {int32_t(*width), int32_t(*height)};
            m_fullSizeSeen = number(ExifTagId::NewSubfileType) == 0u;
        }
    }

    ByteSource &m_source;
    const TiffHeader &m_tiff;
    std::set<uint32_t> m_seen;
    std::vector<Candidate> m_candidates;
    std::pair<int32_t, int32_t> m_size{0, 0};
    bool m_fullSizeSeen = false;
};

// CR2: "CR" at byte 8 of a TIFF file; its IFD0 size is the preview's.
void cr2Size(ByteSource &source, const TiffHeader &tiff, EmbeddedPreview &preview)
{
    const auto ifd0 = ReadTiffDirectory(source, tiff, tiff.ifd0);
    const TiffEntry *exifLink = ifd0 ? FindEntry(*ifd0, ExifTagId::ExifOffset) : nullptr;
    const auto exif = exifLink ? ReadTiffDirectory(source, tiff, exifLink->number(tiff.littleEndian)) : std::nullopt;
    const TiffEntry *w = exif ? FindEntry(*exif, ExifTagId::ExifImageWidth) : nullptr;
    const TiffEntry *h = exif ? FindEntry(*exif, ExifTagId::ExifImageHeight) : nullptr;
    if (w && h) {
        preview.imageWidth = int32_t(w->number(tiff.littleEndian));
        preview.imageHeight = int32_t(h->number(tiff.littleEndian));
    }
}

// CR3: the PRVW box in the top-level preview "uuid" box (payload: 4 + 2
// bytes, width (2), height (2), 2 bytes, JPEG length (4), the JPEG) and the
// THMB box in the metadata "uuid" box (4 bytes, width (2), height (2),
// length (4), 4 bytes, the JPEG). The real size is CMT1's IFD0 size.
void cr3Preview(ByteSource &source, const std::vector<IsoBox> &top, EmbeddedPreview &preview)
{
    std::vector<Candidate> candidates;
    for (const IsoBox &box : top) {
        if (box.type == FourCc("uuid") && box.userType == kCanonPreviewUuid) {
            for (const IsoBox &prvw : ReadBoxes(source, box.payload + 8, box.end)) {
                if (prvw.type == FourCc("PRVW"))
                    candidates.push_back({prvw.payload + 16, int64_t(ReadBigEndian(source.at(prvw.payload + 12, 4), 0, 4))});
            }
        }
    }
    if (const auto moov = FindBox(top, FourCc("moov"))) {
        for (const IsoBox &box : ReadChildren(source, *moov)) {
            if (box.type != FourCc("uuid") || box.userType != kCanonMetadataUuid)
                continue;
            const std::vector<IsoBox> children = ReadChildren(source, box);
            if (const auto thmb = FindBox(children, FourCc("THMB")))
                candidates.push_back({thmb->payload + 16, int64_t(ReadBigEndian(source.at(thmb->payload + 8, 4), 0, 4))});
            const auto cmt1 = FindBox(children, FourCc("CMT1"));
            if (const auto tiff = cmt1 ? ReadTiffHeader(source, cmt1->payload) : std::nullopt) {
                if (const auto ifd0 = ReadTiffDirectory(source, *tiff, tiff->ifd0)) {
                    const TiffEntry *w = FindEntry(*ifd0, ExifTagId::ImageWidth);
                    const TiffEntry *h = FindEntry(*ifd0, ExifTagId::ImageLength);
                    if (w && h) {
                        preview.imageWidth = int32_t(w->number(tiff->littleEndian));
                        preview.imageHeight = int32_t(h->number(tiff->littleEndian));
                    }
                }
            }
        }
    }
    pickLargest(source, candidates, preview);
}

// HEIF/AVIF: a JPEG thumbnail item of the primary item (or a JPEG primary
// item) stored in one extent; the real size is the primary item's "ispe".
void heifPreview(ByteSource &source, const IsoBox &metaBox, EmbeddedPreview &preview)
{
    preview.isHeif = true;
    const HeifMeta meta = ReadHeifMeta(source, metaBox);
    if (meta.primarySize) {
        preview.imageWidth = int32_t(std::min<uint32_t>(meta.primarySize->first, INT32_MAX));
        preview.imageHeight = int32_t(std::min<uint32_t>(meta.primarySize->second, INT32_MAX));
    }
    std::vector<Candidate> candidates;
    for (const auto &[id, item] : meta.items) {
        const auto thumb = meta.thumbnailOf.find(id);
        const bool wanted = id == meta.primary || (thumb != meta.thumbnailOf.end() && thumb->second == meta.primary);
        if (wanted && item.type == FourCc("jpeg") && item.method == 0 && item.extents.size() == 1)
            candidates.push_back({item.extents[0].first, item.extents[0].second});
    }
    pickLargest(source, candidates, preview);
}

EmbeddedPreview find(ByteSource &source)
{
    EmbeddedPreview preview;
    const QByteArray head = source.at(0, 4096).toByteArray();
    if (const auto tiff = ReadTiffHeader(source, 0)) {
        TiffPreviewWalk(source, *tiff).run(preview);
        if (head.mid(8, 2) == "CR")
            cr2Size(source, *tiff, preview);
    } else if (IsRaf(head)) {
        if (const auto jpeg = RafJpeg(source))
            pickLargest(source, {{jpeg->first, jpeg->second}}, preview);
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
