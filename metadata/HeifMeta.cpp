#include "metadata/HeifMeta.h"

namespace {

// Each descriptive box is small (a few KiB even for a grid of 48 tiles).
constexpr int64_t kMaxBoxSize = 64 * 1024;

// Reads numbers of 0 to 8 bytes one after another; past the end every read
// gives 0 and ok() turns false.
class Cursor
{
public:
    explicit Cursor(QByteArrayView bytes, int64_t pos = 0) : m_bytes(bytes), m_pos(pos) {}
    uint64_t next(int n)
    {
        const uint64_t v = ReadBigEndian(m_bytes, m_pos, n);
        m_pos += n;
        return v;
    }
    bool ok() const { return m_pos <= m_bytes.size(); }

private:
    QByteArrayView m_bytes;
    int64_t m_pos;
};

// iinf: version (1), flags (3), entry count (2 in version 0, else 4), then
// "infe" boxes: version (1), flags (3), item id (2 in version 2, 4 in 3),
// protection index (2), item type (4), name... Older infe versions carry no
// type and are skipped.
void readItemInfo(const QByteArray &iinf, HeifMeta &meta)
{
    ByteSource bytes = ByteSource::ofMemory(iinf);
    const int64_t skip = iinf.isEmpty() || iinf[0] == 0 ? 6 : 8;
    for (const IsoBox &infe : ReadBoxes(bytes, skip, iinf.size())) {
        if (infe.type != FourCc("infe"))
            continue;
        Cursor c(iinf, infe.payload);
        const auto version = c.next(1);
        c.next(3);
        if (version < 2)
            continue;
        const auto id = uint32_t(c.next(version == 2 ? 2 : 4));
        c.next(2);
        const auto type = uint32_t(c.next(4));
        if (c.ok() && int64_t(infe.payload) + (version == 2 ? 12 : 14) <= infe.end)
            meta.items[id].type = type;
    }
}

// iloc: version (1), flags (3), offset size and length size (4 bits each),
// base offset size and (versions 1, 2) index size (4 bits each), item count
// (2, or 4 in version 2); per item: id (2, or 4 in version 2), in versions 1
// and 2 the construction method (low 4 bits of 2 bytes), data reference
// index (2), base offset, extent count (2), and per extent: index (versions
// 1, 2, when its size is not 0), offset, length.
void readItemLocations(const QByteArray &iloc, HeifMeta &meta)
{
    Cursor c(iloc);
    const auto version = c.next(1);
    c.next(3);
    const auto sizes = c.next(1);
    const auto sizes2 = c.next(1);
    const int offsetSize = int(sizes >> 4), lengthSize = int(sizes & 15), baseSize = int(sizes2 >> 4);
    const int indexSize = version == 0 ? 0 : int(sizes2 & 15);
    const auto usable = [](int n) { return n == 0 || n == 4 || n == 8; };
    if (version > 2 || !usable(offsetSize) || !usable(lengthSize) || !usable(baseSize) || !usable(indexSize))
        return;
    const auto count = c.next(version < 2 ? 2 : 4);
    for (uint64_t i = 0; i < count && c.ok(); ++i) {
        const auto id = uint32_t(c.next(version < 2 ? 2 : 4));
        const int method = version == 0 ? 0 : int(c.next(2) & 15);
        c.next(2);
        const auto base = c.next(baseSize);
        const auto extents = c.next(2);
        HeifItem location;
        location.method = method;
        for (uint64_t e = 0; e < extents && c.ok(); ++e) {
            c.next(indexSize);
            const auto offset = c.next(offsetSize);
            const auto length = c.next(lengthSize);
            if (base + offset < uint64_t(INT64_MAX / 2) && length < uint64_t(INT64_MAX / 2))
                location.extents.emplace_back(int64_t(base + offset), int64_t(length));
        }
        if (c.ok()) {
            HeifItem &item = meta.items[id];
            item.method = location.method;
            item.extents = std::move(location.extents);
        }
    }
}

// iref: version (1), flags (3), then boxes named after the reference type:
// from item (2, or 4 in version 1), reference count (2), to items.
void readReferences(const QByteArray &iref, HeifMeta &meta)
{
    ByteSource bytes = ByteSource::ofMemory(iref);
    const int idSize = !iref.isEmpty() && iref[0] != 0 ? 4 : 2;
    for (const IsoBox &ref : ReadBoxes(bytes, 4, iref.size())) {
        if (ref.type != FourCc("thmb"))
            continue;
        Cursor c(iref, ref.payload);
        const auto from = uint32_t(c.next(idSize));
        if (c.next(2) >= 1) {
            const auto to = uint32_t(c.next(idSize));
            if (c.ok())
                meta.thumbnailOf[from] = to;
        }
    }
}

// iprp holds "ipco" (the properties, numbered from 1) and "ipma": version
// (1), flags (3), entry count (4); per entry item id (2, or 4 in version 1),
// association count (1), associations of 1 byte (2 when flags bit 0 is set)
// whose low 7 (15) bits are a property's number.
void readProperties(const QByteArray &iprp, HeifMeta &meta)
{
    ByteSource bytes = ByteSource::ofMemory(iprp);
    const std::vector<IsoBox> boxes = ReadBoxes(bytes, 0, iprp.size());
    const auto ipco = FindBox(boxes, FourCc("ipco"));
    const auto ipma = FindBox(boxes, FourCc("ipma"));
    if (!ipco || !ipma)
        return;
    const std::vector<IsoBox> properties = ReadChildren(bytes, *ipco);
    Cursor c(iprp, ipma->payload);
    const auto version = c.next(1);
    const bool wide = (c.next(3) & 1) != 0;
    const auto entries = c.next(4);
    for (uint64_t i = 0; i < entries && c.ok(); ++i) {
        const auto id = uint32_t(c.next(version < 1 ? 2 : 4));
        const auto associations = c.next(1);
        for (uint64_t a = 0; a < associations && c.ok(); ++a) {
            const auto index = wide ? c.next(2) & 0x7FFF : c.next(1) & 0x7F;
            if (index == 0 || index > properties.size())
                continue;
            const IsoBox &p = properties[index - 1];
            Cursor v(iprp, p.payload);
            if (p.type == FourCc("ispe") && p.payloadSize() >= 12) {
                v.next(4);
                const auto w = uint32_t(v.next(4));
                meta.sizes[id] = {w, uint32_t(v.next(4))};
            }
        }
    }
}

}

HeifMeta ReadHeifMeta(ByteSource &source, const IsoBox &metaBox)
{
    HeifMeta meta;
    const std::vector<IsoBox> boxes = ReadChildren(source, metaBox, 4);
    if (const auto pitm = FindBox(boxes, FourCc("pitm"))) {
        const QByteArray bytes = BoxPayload(source, *pitm, 8);
        meta.primary = uint32_t(ReadBigEndian(bytes, 4, bytes.size() >= 8 ? 4 : 2));
    }
    meta.idat = FindBox(boxes, FourCc("idat"));
    if (const auto iinf = FindBox(boxes, FourCc("iinf")))
        readItemInfo(BoxPayload(source, *iinf, kMaxBoxSize), meta);
    if (const auto iloc = FindBox(boxes, FourCc("iloc")))
        readItemLocations(BoxPayload(source, *iloc, kMaxBoxSize), meta);
    if (const auto iref = FindBox(boxes, FourCc("iref")))
        readReferences(BoxPayload(source, *iref, kMaxBoxSize), meta);
    if (const auto iprp = FindBox(boxes, FourCc("iprp")))
        readProperties(BoxPayload(source, *iprp, kMaxBoxSize), meta);
    return meta;
}

QByteArray HeifItemData(ByteSource &source, const HeifMeta &meta, const HeifItem &item, int64_t limit)
{
    int64_t origin = 0;
    int64_t end = source.size();
    if (item.method == 1) {
        if (!meta.idat)
            return {};
        origin = meta.idat->payload;
        end = meta.idat->end;
    } else if (item.method != 0) {
        return {};
    }
    QByteArray data;
    for (const auto &[offset, length] : item.extents) {
        if (offset > end - origin)
            return {};
        const int64_t available = end - origin - offset;
        const int64_t n = std::min<int64_t>({length == 0 ? available : length, available, limit - data.size()});
        if (n <= 0)
            break;
        const QByteArray part = source.take(origin + offset, n);
        data += part;
        if (part.size() < n)
            break;
    }
    return data;
}
