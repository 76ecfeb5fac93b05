#include "metadata/TiffExifBlock.h"

#include "metadata/ExifTagNames.h"

#include <algorithm>
#include <map>

namespace {

// A value the block does not hold points past its end and reads as empty.
constexpr uint32_t kNoValue = 0xFFFFFFFF;
// Maker notes are the largest values; the text of one beyond this is no use.
constexpr int64_t kMaxValueSize = 64 * 1024;

class Assembly
{
public:
    explicit Assembly(bool littleEndian) : m_little(littleEndian) {}

    void u16(QByteArray &out, uint32_t v) const { put(out, v, 2); }
    void u32(QByteArray &out, uint32_t v) const { put(out, v, 4); }

private:
    void put(QByteArray &out, uint32_t v, int n) const
    {
        for (int k = 0; k < n; ++k)
            out += char(m_little ? (v >> (8 * k)) & 0xFF : (v >> (8 * (n - 1 - k))) & 0xFF);
    }
    bool m_little;
};

struct Placed
{
    TiffDirectory dir;
    std::map<size_t, QByteArray> values; // by entry index
};

// Reads the values of one directory that lie outside their entries and are
// not read yet, in file order so that neighbours share a read.
void readValues(ByteSource &source, const TiffHeader &tiff, Placed &placed, bool timeOnly)
{
    std::vector<std::pair<uint32_t, size_t>> order;
    for (size_t i = 0; i < placed.dir.entries.size(); ++i) {
        const TiffEntry &e = placed.dir.entries[i];
        if (e.valueSize() > 4 && (!timeOnly || e.id == ExifTagId::DateTimeOriginal || e.id == ExifTagId::Model) && !placed.values.count(i))
            order.emplace_back(e.number(tiff.littleEndian), i);
    }
    std::sort(order.begin(), order.end());
    for (const auto &[offset, i] : order) {
        const int64_t size = std::min(placed.dir.entries[i].valueSize(), kMaxValueSize);
        const int64_t at = tiff.start + offset;
        QByteArray bytes = size <= 4096 ? source.at(at, size).toByteArray() : source.take(at, size);
        if (!bytes.isEmpty())
            placed.values[i] = std::move(bytes);
    }
}

// Header, IFD0 at 8, the Exif directory right after it, then the values.
ExifBlock assemble(const TiffHeader &tiff, Placed ifd0, std::optional<Placed> exif)
{
    const bool le = tiff.littleEndian;
    const Assembly put(le);
    const bool addLink = exif && std::none_of(ifd0.dir.entries.begin(), ifd0.dir.entries.end(),
                                              [](const TiffEntry &e) { return e.id == ExifTagId::ExifOffset; });
    if (addLink)
        ifd0.dir.entries.push_back({ExifTagId::ExifOffset, 4, 1, QByteArray(4, '\0')});
    const auto exifPos = uint32_t(8 + 2 + 12 * ifd0.dir.entries.size() + 4);
    const auto dataPos = uint32_t(exifPos + (exif ? 2 + 12 * exif->dir.entries.size() + 4 : 0));

    QByteArray out(le ? "II" : "MM");
    put.u16(out, 42);
    put.u32(out, 8);
    QByteArray data;
    auto write = [&](const Placed &placed, bool isIfd0) {
        put.u16(out, uint32_t(placed.dir.entries.size()));
        for (size_t i = 0; i < placed.dir.entries.size(); ++i) {
            const TiffEntry &e = placed.dir.entries[i];
            const bool link = isIfd0 && e.id == ExifTagId::ExifOffset;
            put.u16(out, e.id);
            put.u16(out, link ? 4 : e.type); // an IFD-typed link becomes a LONG the walk follows
            put.u32(out, e.count);
            if (link) {
                put.u32(out, exif ? exifPos : 0);
            } else if (e.valueSize() <= 4) {
                out += e.field;
            } else if (auto v = placed.values.find(i); v != placed.values.end()) {
                put.u32(out, uint32_t(dataPos + data.size()));
                data += v->second;
            } else {
                put.u32(out, kNoValue);
            }
        }
        put.u32(out, 0);
    };
    write(ifd0, true);
    if (exif)
        write(*exif, false);
    return {ExifBlock::Outcome::Found, out + data, 0, {}};
}

Placed readDirectory(ByteSource &source, const TiffHeader &tiff, uint32_t offset)
{
    return {ReadTiffDirectory(source, tiff, offset).value_or(TiffDirectory{}), {}};
}

// Both directories first, then the capture time's value, then the rest: a
// budget spent on a large maker note must not cost the time.
ExifBlock readAndAssemble(ByteSource &source, const TiffHeader &tiff, Placed ifd0, const TiffHeader *exifTiff,
                          std::optional<Placed> exif, ExifWalkScope scope)
{
    for (const bool timeOnly : {true, false}) {
        if (!timeOnly && scope == ExifWalkScope::TimeOnly)
            break;
        if (exif)
            readValues(source, *exifTiff, *exif, timeOnly);
        readValues(source, tiff, ifd0, timeOnly);
    }
    return assemble(tiff, std::move(ifd0), std::move(exif));
}

}

ExifBlock AssembleTiffExif(ByteSource &source, const TiffHeader &tiff, ExifWalkScope scope)
{
    Placed ifd0 = readDirectory(source, tiff, tiff.ifd0);
    std::optional<Placed> exif;
    for (const TiffEntry &e : ifd0.dir.entries) {
        if (e.id == ExifTagId::ExifOffset && (e.type == 4 || e.type == 13) && e.count >= 1) {
            exif = readDirectory(source, tiff, e.number(tiff.littleEndian));
            break;
        }
    }
    return readAndAssemble(source, tiff, std::move(ifd0), &tiff, std::move(exif), scope);
}

ExifBlock AssembleTiffExif(ByteSource &source, const TiffHeader &tiff, const TiffHeader &exif,
                           ExifWalkScope scope)
{
    Placed ifd0 = readDirectory(source, tiff, tiff.ifd0);
    std::optional<Placed> exifDir;
    if (exif.littleEndian == tiff.littleEndian)
        exifDir = readDirectory(source, exif, exif.ifd0);
    return readAndAssemble(source, tiff, std::move(ifd0), &exif, std::move(exifDir), scope);
}
