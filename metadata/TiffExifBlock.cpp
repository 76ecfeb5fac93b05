#include "metadata/TiffExifBlock.h"

#include "metadata/ExifTagNames.h"
#include "metadata/ExifValueText.h"

#include <algorithm>
#include <map>

namespace {

// A value the block does not hold points past its end and reads as empty.
constexpr uint32_t kNoValue = 0xFFFFFFFF;
// Maker notes are the largest values; the text of one beyond this is no use.
constexpr int64_t kMaxValueSize = 64 * 1024;
constexpr uint16_t kLong = 4;

class Assembly
{
public:
    explicit Assembly(bool littleEndian) : m_little(littleEndian) {}

    void u16(QByteArray &out, uint32_t v) const { put(out, v, 2); }
    void u32(QByteArray &out, uint32_t v) const { put(out, v, 4); }

private:
    void put(QByteArray &out, uint32_t v, int n) const
    {
        char bytes[4];
        for (int k = 0; k < n; ++k)
            bytes[k] = char(m_little ? (v >> (8 * k)) & 0xFF : (v >> (8 * (n - 1 - k))) & 0xFF);
        out.append(bytes, n);
    }
    bool m_little;
};

// One directory read from the file, with the header its offsets count from
// and where in the file the values of its entries lie.
struct Placed
{
    const TiffHeader *tiff = nullptr;
    TiffDirectory dir;
    std::map<size_t, int64_t> values; // entry index -> the value's position in the file
};

// A directory IFD0 links to, and the id of the linking entry.
struct Linked
{
    uint16_t link = 0;
    Placed placed;
};

// The bytes of a value the list shows: of an integer or floating-point
// value only the first (a RAW's thousands of strip offsets are never
// shown), of a capture time no more than its text's length, of texts,
// rationals and UNDEFINED data up to kMaxValueSize.
int64_t shownBytes(const TiffEntry &e)
{
    switch (e.type) {
    case 2:
        return IsTimeRoadTag(e.id) ? kCaptureTimeChars : kMaxValueSize;
    case 5:
    case 7:
    case 10:
        return kMaxValueSize;
    default:
        return ExifTypeSize(e.type);
    }
}

// The values read, once each: a hostile file's thousands of entries that
// point at the same bytes share them, and all values together stay within
// kMaxValues.
class Values
{
public:
    // Reads the values of one directory that lie outside their entries and
    // are not read yet, in file order so that neighbours share a read.
    void read(ByteSource &source, Placed &placed, bool timeOnly)
    {
        const TiffHeader &tiff = *placed.tiff;
        std::vector<std::pair<uint32_t, size_t>> order;
        for (size_t i = 0; i < placed.dir.entries.size(); ++i) {
            const TiffEntry &e = placed.dir.entries[i];
            if (e.valueSize() > 4 && (!timeOnly || IsTimeRoadTag(e.id)) && !placed.values.count(i))
                order.emplace_back(e.field, i);
        }
        std::sort(order.begin(), order.end());
        for (const auto &[offset, i] : order) {
            const TiffEntry &e = placed.dir.entries[i];
            const int64_t at = tiff.start + offset;
            const int64_t wanted = std::min(e.valueSize(), shownBytes(e));
            const int64_t size = std::min(wanted, tiff.end - at);
            if (size <= 0 || m_total >= kMaxValues)
                continue;
            QByteArray &held = m_bytes[at];
            if (held.size() < wanted) {
                QByteArray bytes = size <= ByteSource::kMinRead ? source.at(at, size).toByteArray() : source.take(at, size);
                // Bytes cut off by the end are zeros, and never the next value's.
                if (bytes.size() < wanted)
                    bytes += QByteArray(std::min<int64_t>(wanted - bytes.size(), 8), '\0');
                m_total += bytes.size() - held.size();
                held = std::move(bytes);
            }
            placed.values[i] = at;
        }
    }

    // The block's data, which starts at `dataPos`; `positions` gets each
    // value's offset in the block.
    QByteArray data(uint32_t dataPos, std::map<int64_t, uint32_t> &positions) const
    {
        QByteArray data;
        for (const auto &[at, bytes] : m_bytes) {
            positions[at] = uint32_t(dataPos + data.size());
            data += bytes;
        }
        return data;
    }

private:
    static constexpr int64_t kMaxValues = ByteSource::kBaseBytes;
    std::map<int64_t, QByteArray> m_bytes;
    int64_t m_total = 0;
};

bool isLink(const TiffEntry &e, uint16_t link)
{
    return e.id == link && e.count >= 1 && (e.type == 3 || e.type == 4 || e.type == 13);
}

// Header, IFD0 at 8, the linked directories right after it, then the values.
ExifBlock assemble(const TiffHeader &tiff, Placed ifd0, std::vector<Linked> linked, const Values &values)
{
    const bool le = tiff.littleEndian;
    const Assembly put(le);
    for (const Linked &l : linked) {
        const auto &entries = ifd0.dir.entries;
        if (std::none_of(entries.begin(), entries.end(), [&](const TiffEntry &e) { return isLink(e, l.link); }))
            ifd0.dir.entries.push_back({l.link, kLong, 1, 0, 0});
    }
    auto directorySize = [](const Placed &p) { return uint32_t(2 + 12 * p.dir.entries.size() + 4); };
    std::map<uint16_t, uint32_t> links;
    uint32_t dataPos = 8 + directorySize(ifd0);
    for (const Linked &l : linked) {
        links[l.link] = dataPos;
        dataPos += directorySize(l.placed);
    }
    std::map<int64_t, uint32_t> positions;
    const QByteArray data = values.data(dataPos, positions);

    QByteArray out;
    out.reserve(dataPos + data.size());
    out += le ? "II" : "MM";
    put.u16(out, 42);
    put.u32(out, 8);
    auto write = [&](const Placed &placed) {
        put.u16(out, uint32_t(placed.dir.entries.size()));
        for (size_t i = 0; i < placed.dir.entries.size(); ++i) {
            const TiffEntry &e = placed.dir.entries[i];
            const auto link = &placed == &ifd0 ? links.find(e.id) : links.end();
            const bool linking = link != links.end() && isLink(e, e.id);
            put.u16(out, e.id);
            put.u16(out, linking ? kLong : e.type); // an IFD-typed link becomes a LONG the walk follows
            put.u32(out, e.count);
            if (linking)
                put.u32(out, link->second);
            else if (e.valueSize() <= 4)
                put.u32(out, e.field);
            else if (auto v = placed.values.find(i); v != placed.values.end())
                put.u32(out, positions.at(v->second));
            else
                put.u32(out, kNoValue);
        }
        put.u32(out, 0);
    };
    write(ifd0);
    for (const Linked &l : linked)
        write(l.placed);
    out += data;
    return ExifBlock::Found(std::move(out), 0);
}

Placed readDirectory(ByteSource &source, const TiffHeader &tiff, uint32_t offset)
{
    return {&tiff, ReadTiffDirectory(source, tiff, offset).value_or(TiffDirectory{}), {}};
}

// All directories first, then the capture time's values, then the rest: a
// budget spent on a large maker note must not cost the time.
ExifBlock readAndAssemble(ByteSource &source, const TiffHeader &tiff, Placed ifd0, std::vector<Linked> linked,
                          ExifWalkScope scope)
{
    Values values;
    for (const bool timeOnly : {true, false}) {
        if (!timeOnly && scope == ExifWalkScope::TimeOnly)
            break;
        for (Linked &l : linked)
            values.read(source, l.placed, timeOnly);
        values.read(source, ifd0, timeOnly);
    }
    return assemble(tiff, std::move(ifd0), std::move(linked), values);
}

std::vector<uint16_t> linksOf(ExifWalkScope scope)
{
    if (scope == ExifWalkScope::TimeOnly)
        return {ExifTagId::ExifOffset};
    return {ExifTagId::ExifOffset, ExifTagId::GpsInfo};
}

}

ExifBlock AssembleTiffExif(ByteSource &source, const TiffHeader &tiff, ExifWalkScope scope)
{
    Placed ifd0 = readDirectory(source, tiff, tiff.ifd0);
    std::vector<Linked> linked;
    for (const uint16_t link : linksOf(scope)) {
        if (const uint32_t offset = SubDirectoryOffset(ifd0.dir, link, tiff.littleEndian))
            linked.push_back({link, readDirectory(source, tiff, offset)});
    }
    return readAndAssemble(source, tiff, std::move(ifd0), std::move(linked), scope);
}

ExifBlock AssembleTiffExif(ByteSource &source, const TiffHeader &tiff, const TiffHeader &exif,
                           ExifWalkScope scope)
{
    Placed ifd0 = readDirectory(source, tiff, tiff.ifd0);
    std::vector<Linked> linked;
    if (exif.littleEndian == tiff.littleEndian)
        linked.push_back({ExifTagId::ExifOffset, readDirectory(source, exif, exif.ifd0)});
    if (scope == ExifWalkScope::AllEntries) {
        if (const uint32_t offset = SubDirectoryOffset(ifd0.dir, ExifTagId::GpsInfo, tiff.littleEndian))
            linked.push_back({ExifTagId::GpsInfo, readDirectory(source, tiff, offset)});
    }
    return readAndAssemble(source, tiff, std::move(ifd0), std::move(linked), scope);
}
