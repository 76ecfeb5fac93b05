#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>

// The bytes of a file that hold its EXIF data, found with one or two small reads.
struct ExifBlock
{
    enum class Outcome {
        Found,      // data holds the EXIF block, tiffHeader points into it
        NotFound,   // the file was read but has no "Exif" block
        Missing,    // no such file, or it is empty
        Unreadable, // the file exists but could not be opened or read
    };

    Outcome outcome = Outcome::NotFound;
    QByteArray data;
    int64_t tiffHeader = 0;
};

// A JPEG's first APP1 segment that starts with "Exif\0" (walked to up to the
// first SOS, read whole); otherwise the first "Exif\0" in the file's first
// 4096 bytes.
ExifBlock ReadExifBlock(const QString &path);
// The same search over the whole content of a file held in memory; empty
// content is Missing, as an empty file is. The block holds its own copy.
ExifBlock ReadExifBlockInMemory(QByteArrayView file);
