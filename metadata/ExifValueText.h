#pragma once

#include "metadata/ExifReader.h"
#include "metadata/ExifNumberText.h"

#include <QByteArrayView>

// Where an entry's bytes come from: the EXIF data, the position of its TIFF
// header (offsets count from there) and its byte order.
struct ExifData
{
    QByteArrayView bytes;
    int64_t tiffHeader = 0;
    bool littleEndian = false;
};

// Bytes per value of TIFF type codes 0-12; -1 for any other code.
int ExifTypeSize(int32_t type);

// Fills tag.text (and for rationals shown as one number tag.value) from the
// entry that starts at entryPosition; id, type, count and value are set. The
// text is one line of at most maxChars characters, and its making costs no
// more than that: a corrupt count cannot make a value expensive.
void FormatTagValue(const ExifData &data, ExifTag &tag, int64_t entryPosition, ExifNumberText &numbers,
                    qsizetype maxChars);

// The characters of `bytes` from 32 to 126 inclusive, in their order.
QString PrintableText(QByteArrayView bytes);
