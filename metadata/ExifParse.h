#pragma once

#include "metadata/ExifBlock.h"
#include "metadata/ExifNumberText.h"
#include "metadata/ExifReader.h"

#include <optional>
#include <vector>

// The outcome of one parse of one file's EXIF block.
struct ExifParse
{
    uint8_t status = 0;
    std::vector<ExifTag> tags;              // index 0 empty; valid when status is 0
    size_t listed = 0;                      // entries from index 1 whose texts fit the budget
    std::optional<GpsPosition> gps;         // from the GPS directory
    std::optional<int> orientation;         // IFD0's Orientation, when it is one of 1 to 8
};

ExifParse ParseExif(const ExifBlock &block, ExifWalkScope scope, ExifNumberText &numbers);

// The entry the capture time comes from, or null: DateTimeOriginal of ASCII
// type (a value of any other type is no capture time), else QuickTime's
// creation date, else the movie header's time, else the XMP times in the
// order of ReadXmpTimes; QuickTime's and XMP's only where they hold a moment
// to the second. Of entries with one id the last counts.
const ExifTag *CaptureTimeTag(const std::vector<ExifTag> &tags);
// Where that entry comes from.
CaptureSource CaptureSourceOf(const ExifTag &tag);
// A parse of the block with TimeOnly finds a capture time.
bool HoldsCaptureTime(const ExifBlock &block);
// The offset from UTC of the EXIF capture time: OffsetTimeOriginal, else
// OffsetTime, "+HH:MM" in minutes east of UTC.
std::optional<int> CaptureOffsetFromTags(const std::vector<ExifTag> &tags);

// The capture time of the tags and where it comes from: the capture time
// tag's text read as a time; EXIF's with the digits of the last
// SubSecTimeOriginal and CaptureOffsetFromTags, QuickTime's and XMP's with
// their fraction and offset as written. An EXIF text that holds no real time
// comes back (less trailing blanks) in `text`. The movie header's UTC time
// comes in the local time zone, with its offset.
ExifCaptureStamp CaptureStampFromTags(const std::vector<ExifTag> &tags);
