#pragma once

#include "metadata/ExifSummary.h"
#include "metadata/ExifValueText.h"
#include "metadata/TiffFile.h"

// The position the GPS directory gives: GPSLatitude and GPSLongitude, three
// RATIONALs each (degrees, minutes, seconds), signed by GPSLatitudeRef ("N"
// or "S") and GPSLongitudeRef ("E" or "W"). Nothing when a part is missing,
// a denominator is 0 or the position lies off the globe.
std::optional<GpsPosition> ReadGpsPosition(const ExifData &data, const TiffDirectory &gps);
