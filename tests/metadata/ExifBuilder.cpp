#include "ExifBuilder.h"

#include <QFile>

ExifBuilder &ExifBuilder::entry(Directory dir, uint16_t id, uint16_t type, uint32_t count, const QByteArray &value)
{
    (dir == Ifd0 ? m_ifd0 : m_exif).push_back({id, type, count, value});
    return *this;
}

ExifBuilder &ExifBuilder::ascii(Directory dir, uint16_t id, const QByteArray &text)
{
    return entry(dir, id, 2, text.size() + 1, text + QByteArray(1, '\0'));
}

ExifBuilder &ExifBuilder::shorts(Directory dir, uint16_t id, std::vector<uint16_t> values)
{
    QByteArray bytes;
    for (uint16_t v : values)
        bytes += u16(v);
    return entry(dir, id, 3, values.size(), bytes);
}

ExifBuilder &ExifBuilder::longValue(Directory dir, uint16_t id, uint32_t value)
{
    return entry(dir, id, 4, 1, u32(value));
}

ExifBuilder &ExifBuilder::rationals(Directory dir, uint16_t id, std::vector<std::pair<uint32_t, uint32_t>> values)
{
    QByteArray bytes;
    for (auto [num, den] : values)
        bytes += u32(num) + u32(den);
    return entry(dir, id, 5, values.size(), bytes);
}

ExifBuilder &ExifBuilder::sRational(Directory dir, uint16_t id, int32_t numerator, int32_t denominator)
{
    return entry(dir, id, 10, 1, u32(uint32_t(numerator)) + u32(uint32_t(denominator)));
}

ExifBuilder &ExifBuilder::undefined(Directory dir, uint16_t id, const QByteArray &bytes)
{
    return entry(dir, id, 7, bytes.size(), bytes);
}

ExifBuilder &ExifBuilder::withoutExifOffset()
{
    m_exifOffset = false;
    return *this;
}

QByteArray ExifBuilder::u16(uint32_t v) const
{
    QByteArray b(2, '\0');
    b[m_little ? 0 : 1] = char(v & 0xFF);
    b[m_little ? 1 : 0] = char((v >> 8) & 0xFF);
    return b;
}

QByteArray ExifBuilder::u32(uint32_t v) const
{
    QByteArray b(4, '\0');
    for (int k = 0; k < 4; ++k)
        b[m_little ? k : 3 - k] = char((v >> (8 * k)) & 0xFF);
    return b;
}

QByteArray ExifBuilder::tiff() const
{
    const bool linkExif = m_exifOffset && !m_exif.empty();
    const int n0 = int(m_ifd0.size()) + (linkExif ? 1 : 0);
    const int ifd0Size = 2 + 12 * n0 + 4;
    const int exifStart = 8 + ifd0Size;
    const int exifSize = m_exif.empty() ? 0 : 2 + 12 * int(m_exif.size()) + 4;
    const int dataStart = exifStart + exifSize;
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
    QByteArray out = QByteArray(m_little ? "II" : "MM") + u16(42) + u32(8);
    out += directory(m_ifd0, linkExif);
    if (!m_exif.empty())
        out += directory(m_exif, false);
    return out + data;
}

QByteArray ExifBuilder::jpeg(int app0Size) const
{
    auto bigEndian16 = [](int v) { return QByteArray(1, char((v >> 8) & 0xFF)) + char(v & 0xFF); };
    QByteArray out("\xFF\xD8", 2);
    if (app0Size > 0)
        out += QByteArray("\xFF\xE0", 2) + bigEndian16(app0Size + 2) + QByteArray(app0Size, 'A');
    const QByteArray app1 = QByteArray("Exif\0\0", 6) + tiff();
    out += QByteArray("\xFF\xE1", 2) + bigEndian16(app1.size() + 2) + app1;
    out += QByteArray("\xFF\xDA\x00\x02", 4) + QByteArray(64, '\x11') + QByteArray("\xFF\xD9", 2);
    return out;
}

QString WriteFile(const QString &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir + u'/' + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}
