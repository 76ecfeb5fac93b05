#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <vector>

class ByteSource;

// Which entries the walk keeps: every entry with its text (the tag list), or
// only those the EXIF time needs (the batch rename's road).
enum class ExifWalkScope { AllEntries, TimeOnly };

// A value read from a container that has no EXIF block (a video's creation
// time): a tag id of ExifTagId and its text, listed as an ASCII entry.
struct ContainerValue
{
    int32_t id = 0;
    QByteArray text;
};

// The bytes of a file that hold its EXIF data, found with a few small reads.
struct ExifBlock
{
    enum class Outcome {
        Found,      // data holds the EXIF block, tiffHeader points into it, or values are set
        NotFound,   // the file was read but has no EXIF block
        Missing,    // no such file, or it is empty
        Unreadable, // the file exists but could not be opened or read
    };

    Outcome outcome = Outcome::NotFound;
    QByteArray data;
    int64_t tiffHeader = 0;
    std::vector<ContainerValue> values; // instead of data
};

// The EXIF block by the file's kind, told from its first bytes:
// - JPEG: the first APP1 segment that starts with "Exif\0" (walked to up to
//   the first SOS; read whole, or with TimeOnly only its time);
// - TIFF and TIFF-based RAW: IFD0 and the Exif directory read where they lie;
// - Fujifilm RAF: its embedded JPEG's block;
// - HEIF/AVIF: the "Exif" item; Canon CR3: its CMT1 and CMT2 boxes;
//   MP4/QuickTime videos: their creation times as values;
// - PNG: the "eXIf" chunk;
// otherwise the first "Exif\0" in the file's first 4096 bytes.
// With TimeOnly a TIFF's values other than DateTimeOriginal are not read.
ExifBlock ReadExifBlock(const QString &path, ExifWalkScope scope = ExifWalkScope::AllEntries);
// The same search in a file the caller holds open, `size` bytes long, whose
// first bytes it has read into `head` already (or none).
ExifBlock ReadExifBlockOfOpenFile(int fd, int64_t size, QByteArray head,
                                  ExifWalkScope scope = ExifWalkScope::AllEntries);
// The same search over the whole content of a file held in memory; empty
// content is Missing, as an empty file is. The block holds its own copy.
ExifBlock ReadExifBlockInMemory(QByteArrayView file, ExifWalkScope scope = ExifWalkScope::AllEntries);
// The EXIF segment of the JPEG that starts at `start`: with TimeOnly only
// what the capture time needs.
ExifBlock LocateJpegExif(ByteSource &source, int64_t start, ExifWalkScope scope);
