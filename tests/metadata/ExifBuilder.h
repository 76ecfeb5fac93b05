#pragma once

#include <QByteArray>
#include <QString>

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
    ExifBuilder &entry(Directory dir, uint16_t id, uint16_t type, uint32_t count, const QByteArray &value);
    ExifBuilder &ascii(Directory dir, uint16_t id, const QByteArray &text); // adds the zero byte
    ExifBuilder &shorts(Directory dir, uint16_t id, std::vector<uint16_t> values);
    ExifBuilder &longValue(Directory dir, uint16_t id, uint32_t value);
    ExifBuilder &rationals(Directory dir, uint16_t id, std::vector<std::pair<uint32_t, uint32_t>> values);
    ExifBuilder &sRational(Directory dir, uint16_t id, int32_t numerator, int32_t denominator);
    ExifBuilder &undefined(Directory dir, uint16_t id, const QByteArray &bytes);
    // Leaves out the ExifOffset entry that would point to the Exif directory.
    ExifBuilder &withoutExifOffset();

    QByteArray u16(uint32_t v) const;
    QByteArray u32(uint32_t v) const;

    // From the byte-order mark on.
    QByteArray tiff() const;
    // FF D8, an APP0 segment of `app0Size` bytes (none when 0), APP1 with
    // "Exif\0\0" and the TIFF data, then SOS, a few bytes and EOI.
    QByteArray jpeg(int app0Size = 0) const;

private:
    struct Entry
    {
        uint16_t id;
        uint16_t type;
        uint32_t count;
        QByteArray value;
    };

    bool m_little;
    bool m_exifOffset = true;
    std::vector<Entry> m_ifd0;
    std::vector<Entry> m_exif;
};

// Writes bytes into a file in `dir` and returns its path.
QString WriteFile(const QString &dir, const QString &name, const QByteArray &bytes);
