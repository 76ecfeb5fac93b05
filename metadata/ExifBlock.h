#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>
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

// The size of a picture as its image data gives it; `upright` when the
// container has turned it already (HEIF's "irot", a video's matrix), so that
// no EXIF orientation applies.
struct ImageGeometry
{
    int32_t width = 0;
    int32_t height = 0;
    bool upright = false;
};

// The bytes of a file that hold its EXIF data, found with a few small reads.
struct ExifBlock
{
    enum class Outcome {
        Found,      // data holds the EXIF block, tiffHeader points into it, or values are set
        NotFound,   // the file was read but has no EXIF block
        Missing,    // no such file
        Empty,      // a file of 0 bytes
        Unreadable, // the file exists but could not be opened or read
    };

    Outcome outcome = Outcome::NotFound;
    QByteArray data;
    int64_t tiffHeader = 0;
    std::vector<ContainerValue> values; // instead of data
    QByteArray xmp;                     // the XMP packet, when one was read
    std::optional<ImageGeometry> geometry;

    static ExifBlock Found(QByteArray data, int64_t tiffHeader);
    static ExifBlock Values(std::vector<ContainerValue> values);
    static ExifBlock Failed(Outcome outcome);
};

// The EXIF block by the file's kind, told from its first bytes:
// - JPEG: the first APP1 segment that starts with "Exif\0" (walked to up to
//   the first SOS; read whole, or with TimeOnly only its time);
// - TIFF and TIFF-based RAW: IFD0 and the Exif directory read where they lie;
// - Fujifilm RAF: its embedded JPEG's block;
// - HEIF/AVIF: the "Exif" item; Canon CR3: its CMT1 and CMT2 boxes;
//   MP4/QuickTime videos: their creation times as values;
// - PNG: the "eXIf" chunk, or a raw profile;
// otherwise the first "Exif\0" in the file's first 4096 bytes. With
// AllEntries also the embedded XMP packet and the image's size; with
// TimeOnly only the capture time's values and Model, and the XMP packet only when
// the EXIF data holds no capture time.
ExifBlock ReadExifBlock(const QString &path, ExifWalkScope scope = ExifWalkScope::AllEntries);
// The same search in a file the caller holds open, `size` bytes long, whose
// first bytes it has read into `head` already (or none).
ExifBlock ReadExifBlockOfOpenFile(int fd, int64_t size, QByteArray head,
                                  ExifWalkScope scope = ExifWalkScope::AllEntries);
// The same search over the whole content of a file held in memory; empty
// content is Empty, as an empty file is. The block holds its own copy.
ExifBlock ReadExifBlockInMemory(QByteArrayView file, ExifWalkScope scope = ExifWalkScope::AllEntries);
// The EXIF segment of the JPEG that starts at `start`: with TimeOnly only
// what the capture time needs.
ExifBlock LocateJpegExif(ByteSource &source, int64_t start, ExifWalkScope scope);
