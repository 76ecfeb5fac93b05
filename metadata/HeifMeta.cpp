#include "metadata/HeifMeta.h"

namespace {

// Reads numbers of 0 to 8 bytes one after another; past the end every read
// gives 0 and ok() turns false.
class Cursor
{
public:
    explicit Cursor(QByteArrayView bytes) : m_bytes(bytes) {}
    uint64_t next(int n)
    {
        const uint64_t v = ReadBigEndian(m_bytes, m_pos, n);
        m_pos += n;
        return v;
    }
    // A zero-terminated text.
    QByteArrayView text()
    {
        const QByteArrayView rest = m_bytes.sliced(std::min<int64_t>(m_pos, m_bytes.size()));
        const qsizetype end = rest.indexOf('\0');
        m_pos += end < 0 ? rest.size() + 1 : end + 1;
        return end < 0 ? rest : rest.first(end);
    }
    bool ok() const { return m_pos <= m_bytes.size(); }

private:
    QByteArrayView m_bytes;
    int64_t m_pos = 0;
};

constexpr QByteArrayView kXmpContentType("application/rdf+xml");

// iinf: version (1), flags (3), entry count (2 in version 0, else 4), then
// "infe" boxes: version (1), flags (3), item id (2 in version 2, 4 in 3),
// protection index (2), item type (4), name (zero-terminated); a "mime"
// item then its content type. Older infe versions carry no type.
void readItemInfo(ByteSource &source, const IsoBox &iinf, HeifMeta &meta)
{
    const int64_t skip = source.at(iinf.payload, 1).startsWith('\0') ? 6 : 8;
    WalkBoxes(source, iinf.payload + skip, iinf.end, [&](const IsoBox &infe) {
        if (infe.type != FourCc("infe"))
            return true;
        Cursor c(source.at(infe.payload, std::min<int64_t>(infe.payloadSize(), 256)));
        const auto version = c.next(1);
        c.next(3);
        if (version < 2)
            return true;
        const auto id = uint32_t(c.next(version == 2 ? 2 : 4));
        c.next(2);
        auto type = uint32_t(c.next(4));
        if (!c.ok() || int64_t(infe.payload) + (version == 2 ? 12 : 14) > infe.end)
            return true;
        if (type == FourCc("mime")) {
            c.text();
            type = c.text() == kXmpContentType ? kHeifXmpItem : 0;
        }
        if (type == FourCc("Exif") || type == FourCc("jpeg") || type == kHeifXmpItem)
            meta.items[id].type = type;
        return true;
    });
}

// iloc: version (1), flags (3), offset size and length size (4 bits each),
// base offset size and (versions 1, 2) index size (4 bits each), item count
// (2, or 4 in version 2); per item: id (2, or 4 in version 2), in versions 1
// and 2 the construction method (low 4 bits of 2 bytes), data reference
// index (2), base offset, extent count (2), and per extent: index (versions
// 1, 2, when its size is not 0), offset, length. Only the items of `meta`
// are kept.
void readItemLocations(QByteArrayView iloc, HeifMeta &meta)
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
    // Extents of no bytes at all would let a count of 65535 cost that many
    // steps for no information: one stands for them all.
    const bool empty = offsetSize + lengthSize + indexSize == 0;
    const auto count = c.next(version < 2 ? 2 : 4);
    for (uint64_t i = 0; i < count && c.ok(); ++i) {
        const auto id = uint32_t(c.next(version < 2 ? 2 : 4));
        const int method = version == 0 ? 0 : int(c.next(2) & 15);
        c.next(2);
        const auto base = c.next(baseSize);
        const auto extents = c.next(2);
        const auto item = meta.items.find(id);
        if (item == meta.items.end()) {
            for (uint64_t e = 0; e < (empty ? 0 : extents) && c.ok(); ++e)
                c.next(indexSize), c.next(offsetSize), c.next(lengthSize);
            continue;
        }
        std::vector<std::pair<int64_t, int64_t>> located;
        for (uint64_t e = 0; e < (empty ? std::min<uint64_t>(extents, 1) : extents) && c.ok(); ++e) {
            c.next(indexSize);
            const auto offset = c.next(offsetSize);
            const auto length = c.next(lengthSize);
            if (base + offset < uint64_t(INT64_MAX / 2) && length < uint64_t(INT64_MAX / 2))
                located.emplace_back(int64_t(base + offset), int64_t(length));
        }
        if (c.ok()) {
            item->second.method = method;
            item->second.extents = std::move(located);
        }
    }
}

// iref: version (1), flags (3), then boxes named after the reference type:
// from item (2, or 4 in version 1), reference count (2), to items.
void readReferences(ByteSource &source, const IsoBox &iref, HeifMeta &meta)
{
    const int idSize = source.at(iref.payload, 1).startsWith('\0') ? 2 : 4;
    WalkBoxes(source, iref.payload + 4, iref.end, [&](const IsoBox &ref) {
        if (ref.type != FourCc("thmb"))
            return true;
        Cursor c(source.at(ref.payload, 2 * idSize + 2));
        const auto from = uint32_t(c.next(idSize));
        if (c.next(2) >= 1) {
            const auto to = uint32_t(c.next(idSize));
            if (c.ok())
                meta.thumbnailOf[from] = to;
        }
        return true;
    });
}

// ipma: version (1), flags (3), entry count (4); per entry item id (2, or 4
// in version 1), association count (1), associations of 1 byte (2 when flags
// bit 0 is set) whose low 7 (15) bits are a property's number, counted
// from 1 in "ipco". The primary item's numbers.
std::vector<uint64_t> primaryProperties(QByteArrayView ipma, uint32_t primary)
{
    std::vector<uint64_t> numbers;
    Cursor c(ipma);
    const auto version = c.next(1);
    const bool wide = (c.next(3) & 1) != 0;
    const auto entries = c.next(4);
    for (uint64_t i = 0; i < entries && c.ok(); ++i) {
        const auto id = uint32_t(c.next(version < 1 ? 2 : 4));
        const auto associations = c.next(1);
        for (uint64_t a = 0; a < associations && c.ok(); ++a) {
            const auto number = wide ? c.next(2) & 0x7FFF : c.next(1) & 0x7F;
            if (id == primary)
                numbers.push_back(number);
        }
    }
    return numbers;
}

// "ispe": version and flags (4), width (4), height (4). "irot": the low two
// bits of its one byte are quarter turns anticlockwise.
void readPrimaryProperties(ByteSource &source, const IsoBox &iprp, HeifMeta &meta)
{
    const auto ipco = FindChild(source, iprp, FourCc("ipco"));
    const auto ipma = FindChild(source, iprp, FourCc("ipma"));
    if (!ipco || !ipma)
        return;
    const std::vector<uint64_t> numbers = primaryProperties(source.at(ipma->payload, ipma->payloadSize()), meta.primary);
    const std::vector<IsoBox> properties = ReadChildren(source, *ipco);
    for (const uint64_t number : numbers) {
        if (number == 0 || number > properties.size())
            continue;
        const IsoBox &p = properties[number - 1];
        if (p.type == FourCc("ispe") && p.payloadSize() >= 12) {
            const QByteArrayView v = source.at(p.payload, 12);
            meta.primarySize = {uint32_t(ReadBigEndian(v, 4, 4)), uint32_t(ReadBigEndian(v, 8, 4))};
        } else if (p.type == FourCc("irot") && p.payloadSize() >= 1) {
            meta.primaryTurns = int(ReadBigEndian(source.at(p.payload, 1), 0, 1) & 3);
        }
    }
}

}

HeifMeta ReadHeifMeta(ByteSource &source, const IsoBox &metaBox)
{
    source.grant(metaBox.end - metaBox.start);
    source.prefetch(metaBox.start, metaBox.end - metaBox.start);
    HeifMeta meta;
    const std::vector<IsoBox> boxes = ReadChildren(source, metaBox, 4);
    if (const auto pitm = FindBox(boxes, FourCc("pitm"))) {
        const QByteArrayView bytes = source.at(pitm->payload, std::min<int64_t>(pitm->payloadSize(), 8));
        meta.primary = uint32_t(ReadBigEndian(bytes, 4, bytes.size() >= 8 ? 4 : 2));
    }
    meta.idat = FindBox(boxes, FourCc("idat"));
    if (const auto iinf = FindBox(boxes, FourCc("iinf")))
        readItemInfo(source, *iinf, meta);
    if (const auto iloc = FindBox(boxes, FourCc("iloc")))
        readItemLocations(source.at(iloc->payload, iloc->payloadSize()), meta);
    if (const auto iref = FindBox(boxes, FourCc("iref")))
        readReferences(source, *iref, meta);
    if (const auto iprp = FindBox(boxes, FourCc("iprp")))
        readPrimaryProperties(source, *iprp, meta);
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
