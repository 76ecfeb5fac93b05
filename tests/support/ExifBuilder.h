#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

// Builds EXIF data by hand: a TIFF header, IFD0 and (when it has entries) an
// Exif directory that IFD0 points to, with values longer than 4 bytes placed
// after the directories.
class ExifBuilder
{
public:
    enum Directory { Ifd0, Exif };

    explicit ExifBuilder(bool littleEndian) : m_little(littleEndian) {}

    // Raw entry; `value` holds the value bytes in file order.
    ExifBuilder &entry(Directory dir, uint16_t id, uint16_t type, uint32_t count, const QByteArray &value)
    {
        (dir == Ifd0 ? m_ifd0 : m_exif).push_back({id, type, count, value});
        return *this;
    }
    ExifBuilder &ascii(Directory dir, uint16_t id, const QByteArray &text) // adds the zero byte
    {
        return entry(dir, id, 2, text.size() + 1, text + QByteArray(1, '\0'));
    }
    ExifBuilder &shorts(Directory dir, uint16_t id, std::vector<uint16_t> values)
    {
        QByteArray bytes;
        for (uint16_t v : values)
            bytes += u16(v);
        return entry(dir, id, 3, values.size(), bytes);
    }
    ExifBuilder &rationals(Directory dir, uint16_t id, std::vector<std::pair<uint32_t, uint32_t>> values)
    {
        QByteArray bytes;
        for (auto [num, den] : values)
            bytes += u32(num) + u32(den);
        return entry(dir, id, 5, values.size(), bytes);
    }
    ExifBuilder &sRational(Directory dir, uint16_t id, int32_t num, int32_t den)
    {
        return entry(dir, id, 10, 1, u32(uint32_t(num)) + u32(uint32_t(den)));
    }
    ExifBuilder &undefined(Directory dir, uint16_t id, const QByteArray &bytes)
    {
        return entry(dir, id, 7, bytes.size(), bytes);
    }
    // Leaves out the ExifOffset entry that would point to the Exif directory.
    ExifBuilder &withoutExifOffset() { m_exifOffset = false; return *this; }

    QByteArray u16(uint32_t v) const { return bytes(v, 2); }
    QByteArray u32(uint32_t v) const { return bytes(v, 4); }

    // From the byte-order mark on.
    QByteArray tiff() const
    {
        const bool linkExif = m_exifOffset && !m_exif.empty();
        const int exifStart = 8 + 2 + 12 * (int(m_ifd0.size()) + (linkExif ? 1 : 0)) + 4;
        const int dataStart = exifStart + (m_exif.empty() ? 0 : 2 + 12 * int(m_exif.size()) + 4);
        QByteArray data;
        auto directory = [&](const std::vector<Entry> &entries, bool withLink) {
            QByteArray dir = u16(entries.size() + (withLink ? 1 : 0));
            for (const Entry &e : entries) {
                dir += u16(e.id) + u16(e.type) + u32(e.count);
                if (e.value.size() > 4) {
                    dir += u32(dataStart + data.size());
                    data += e.value;
                } else {
                    dir += e.value + QByteArray(4 - e.value.size(), '\0');
                }
            }
            if (withLink)
                dir += u16(34665) + u16(4) + u32(1) + u32(exifStart);
            return dir + u32(0);
        };
        QByteArray out = QByteArray(m_little ? "II" : "MM") + u16(42) + u32(8) + directory(m_ifd0, linkExif);
        if (!m_exif.empty())
            out += directory(m_exif, false);
        return out + data;
    }

    // FF D8, an APP0 segment of `app0Size` bytes (none when 0), APP1 with
    // "Exif\0\0" and the TIFF data, then SOS, a few bytes and EOI.
    QByteArray jpeg(int app0Size = 0) const
    {
        auto bigEndian16 = [](int v) { return QByteArray(1, char((v >> 8) & 0xFF)) + char(v & 0xFF); };
        QByteArray out("\xFF\xD8", 2);
        if (app0Size > 0)
            out += QByteArray("\xFF\xE0", 2) + bigEndian16(app0Size + 2) + QByteArray(app0Size, 'A');
        const QByteArray app1 = QByteArray("Exif\0\0", 6) + tiff();
        out += QByteArray("\xFF\xE1", 2) + bigEndian16(app1.size() + 2) + app1;
        return out + QByteArray("\xFF\xDA\x00\x02", 4) + QByteArray(64, '\x11') + QByteArray("\xFF\xD9", 2);
    }

private:
    struct Entry { uint16_t id, type; uint32_t count; QByteArray value; };

    QByteArray bytes(uint32_t v, int size) const
    {
        QByteArray b(size, '\0');
        for (int k = 0; k < size; ++k)
            b[m_little ? k : size - 1 - k] = char((v >> (8 * k)) & 0xFF);
        return b;
    }

    bool m_little;
    bool m_exifOffset = true;
    std::vector<Entry> m_ifd0;
    std::vector<Entry> m_exif;
};

// A JPEG whose EXIF segment, as large as a segment can be, holds one IFD0 of
// as many entries as fit, each with `id` and `type` and claiming `count`
// values at the same offset: the shared bytes after the directory.
inline QByteArray CostBombJpeg(uint16_t id, uint16_t type, uint32_t count)
{
    const int entries = 5000;
    const int dataAt = 8 + 2 + 12 * entries + 4;
    QByteArray tiff("II\x2A\0\x08\0\0\0", 8);
    auto le = [&tiff](uint32_t v, int size) {
        for (int k = 0; k < size; ++k)
            tiff += char((v >> (8 * k)) & 0xFF);
    };
    le(entries, 2);
    for (int i = 0; i < entries; ++i) {
        le(id, 2);
        le(type, 2);
        le(count, 4);
        le(dataAt, 4);
    }
    le(0, 4);
    tiff += QByteArray(65533 - 6 - tiff.size(), '7');
    const QByteArray app1 = QByteArray("\xFF\xE1\xFF\xFF" "Exif\0\0", 10) + tiff;
    return QByteArray("\xFF\xD8", 2) + app1 + QByteArray("\xFF\xDA\0\2\xFF\xD9", 6);
}

// "Exif", two zero bytes and the TIFF data, as found in a file that is no JPEG.
inline QByteArray ExifMark(const QByteArray &tiff)
{
    return QByteArray("Exif\0\0", 6) + tiff;
}

// The n-byte big-endian number, as ISO boxes and JPEG segments write them.
inline QByteArray BigEndian(uint64_t v, int size)
{
    QByteArray b(size, '\0');
    for (int k = 0; k < size; ++k)
        b[size - 1 - k] = char((v >> (8 * k)) & 0xFF);
    return b;
}

// An ISO box: size (4), type (4), payload.
inline QByteArray IsoBoxBytes(const char *type, const QByteArray &payload)
{
    return BigEndian(8 + payload.size(), 4) + type + payload;
}

// XMP with capture times as attributes (`properties`) or elements of its
// rdf:Description, under the prefixes e (exif), ps (photoshop) and xap
// (xmp); any prefix bound to the namespace counts.
inline QByteArray XmpPacket(const QByteArray &properties, const QByteArray &elements = {})
{
    return "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?><x:xmpmeta xmlns:x='adobe:ns:meta/'>"
           "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'><rdf:Description "
           "xmlns:e='http://ns.adobe.com/exif/1.0/' xmlns:ps='http://ns.adobe.com/photoshop/1.0/' "
           "xmlns:xap='http://ns.adobe.com/xap/1.0/' " + properties + ">" + elements
           + "</rdf:Description></rdf:RDF></x:xmpmeta><?xpacket end='w'?>";
}

// A JPEG whose only metadata is `xmp` in its APP1 segment, then SOS and EOI.
inline QByteArray XmpJpeg(const QByteArray &xmp)
{
    const QByteArray app1 = QByteArray("http://ns.adobe.com/xap/1.0/\0", 29) + xmp;
    return QByteArray("\xFF\xD8\xFF\xE1", 4) + BigEndian(app1.size() + 2, 2) + app1 + QByteArray("\xFF\xDA\0\2\xFF\xD9", 6);
}
