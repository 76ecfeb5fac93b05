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
    std::optional<bool> intelByteAlignment; // set once the header was read
    std::vector<ExifTag> tags;              // index 0 empty; valid when status is 0
    size_t listed = 0;                      // entries from index 1 whose texts fit the budget
    std::optional<ExifError> error;         // why status is 2
};

ExifParse ParseExif(const ExifBlock &block, ExifWalkScope scope, ExifNumberText &numbers);

// The last DateTimeOriginal entry of ASCII type (or a video's creation
// time), or null: a value of any other type is no capture time.
const ExifTag *CaptureTimeTag(const std::vector<ExifTag> &tags);

// The capture time of the tags: the capture time tag's text read as a time,
// with the digits of the last SubSecTimeOriginal; or that text (less
// trailing blanks) when it holds no real time.
ExifCaptureStamp CaptureStampFromTags(const std::vector<ExifTag> &tags);
