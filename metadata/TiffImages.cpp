#include "metadata/TiffImages.h"

#include "metadata/ExifTagNames.h"

#include <set>

namespace {

constexpr int kMaxDirectories = 16;
constexpr int kMaxDepth = 4;
constexpr int32_t kJpgFromRaw = 0x2E;

class TiffWalk
{
public:
    TiffWalk(ByteSource &source, const TiffHeader &tiff) : m_source(source), m_tiff(tiff) {}

    TiffImages run()
    {
        walk(m_tiff.ifd0, 0, true);
        return std::move(m_images);
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
            m_images.previews.emplace_back(m_tiff.start + *jpegOffset, *jpegLength);
        // Panasonic's RW2 keeps its preview as the UNDEFINED value JpgFromRaw.
        if (const TiffEntry *e = FindEntry(dir, kJpgFromRaw); e && e->type == 7)
            m_images.previews.emplace_back(m_tiff.start + e->number(le), e->count);
        const auto compression = number(ExifTagId::Compression);
        const auto photometric = number(ExifTagId::Photometric);
        const TiffEntry *strips = FindEntry(dir, ExifTagId::StripOffsets);
        const bool raw = photometric == 32803u || photometric == 34892u;
        if ((compression == 6u || compression == 7u) && !raw && strips && strips->count == 1) {
            if (const auto bytes = number(ExifTagId::StripByteCounts))
                m_images.previews.emplace_back(m_tiff.start + strips->number(le), *bytes);
        }
        const auto width = number(ExifTagId::ImageWidth);
        const auto height = number(ExifTagId::ImageLength);
        if (!width || !height || m_fullSizeSeen)
            return;
        const bool fullSize = number(ExifTagId::NewSubfileType) == 0u;
        if (isIfd0 || fullSize) {
            m_images.size = {int32_t(std::min<uint32_t>(*width, INT32_MAX)), int32_t(std::min<uint32_t>(*height, INT32_MAX))};
            m_fullSizeSeen = fullSize;
        }
    }

    ByteSource &m_source;
    const TiffHeader &m_tiff;
    std::set<uint32_t> m_seen;
    TiffImages m_images;
    bool m_fullSizeSeen = false;
};

}

TiffImages ReadTiffImages(ByteSource &source, const TiffHeader &tiff)
{
    return TiffWalk(source, tiff).run();
}
