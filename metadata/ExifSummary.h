#pragma once

#include "metadata/CaptureTime.h"

#include <QString>

#include <optional>

// A position on the globe in degrees: north and east positive.
struct GpsPosition
{
    double latitude = 0;
    double longitude = 0;
};

// Where a capture time was found: the EXIF data, XMP embedded in the file,
// an XMP sidecar file, QuickTime's creation date, a video's movie header.
enum class CaptureSource { Exif, Xmp, Sidecar, QuickTime, Mvhd };

// The values the window's summary and `fotlex-cli info` show; a value is
// missing when the photo has no such entry. Where a tag appears more than
// once, the last entry counts.
struct ExifSummary
{
    std::optional<QString> make;         // Make
    std::optional<QString> camera;       // Model
    // The f-number and the exposure time in seconds as the camera recorded
    // them (FNumber, ExposureTime). The APEX values (ApertureValue,
    // ShutterSpeedValue) are rounded by the camera and serve only where the
    // exact ones are missing.
    std::optional<double> fNumber;
    std::optional<double> exposureSeconds;
    std::optional<int> iso;              // ISOSpeedRatings, its first value
    std::optional<int> orientation;      // IFD0's Orientation, 1 to 8
    // DateTimeOriginal (a video's creation time, XMP), when a real one; else
    // the time of the photo's XMP sidecar.
    std::optional<CaptureTime> captureTime;
    CaptureSource captureSource = CaptureSource::Exif; // where captureTime comes from
    std::optional<GpsPosition> gps;
};
