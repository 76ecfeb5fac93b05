#pragma once

#include <QString>

#include <optional>

// The few values the window's summary shows, as texts of the tag list; a
// value is missing when the photo has no such entry. Where a tag appears
// more than once, the last entry counts.
struct ExifSummary
{
    std::optional<QString> camera;       // Model
    std::optional<QString> aperture;     // ApertureValue or FNumber
    std::optional<QString> exposure;     // ShutterSpeedValue or ExposureTime
    std::optional<QString> iso;          // ISOSpeedRatings
    std::optional<QString> captureTime;  // DateTimeOriginal as stored
};
