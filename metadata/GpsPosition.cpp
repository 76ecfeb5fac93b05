#include "metadata/GpsPosition.h"

#include "metadata/ExifBytes.h"
#include "metadata/ExifTagNames.h"

#include <cmath>

namespace {

constexpr uint16_t kAscii = 2, kRational = 5;

std::optional<double> degrees(const ExifData &data, const TiffEntry *e)
{
    if (!e || e->type != kRational || e->count != 3)
        return std::nullopt;
    const int64_t at = data.tiffHeader + e->field;
    double value = 0;
    double unit = 1;
    for (int i = 0; i < 3; ++i, unit *= 60) {
        const double numerator = ReadUnsigned(data.bytes, at + 8 * i, 4, data.littleEndian);
        const double denominator = ReadUnsigned(data.bytes, at + 8 * i + 4, 4, data.littleEndian);
        if (denominator == 0)
            return std::nullopt;
        value += numerator / denominator / unit;
    }
    return value;
}

// The reference letter, held in the entry's own field.
char reference(const ExifData &data, const TiffEntry *e)
{
    if (!e || e->type != kAscii || e->count < 1 || e->count > 4)
        return 0;
    return char(ReadInteger(data.bytes, e->at + 8, 1, false));
}

}

std::optional<GpsPosition> ReadGpsPosition(const ExifData &data, const TiffDirectory &gps)
{
    using namespace ExifTagId;
    const auto latitude = degrees(data, FindEntry(gps, GpsLatitude));
    const auto longitude = degrees(data, FindEntry(gps, GpsLongitude));
    const char north = reference(data, FindEntry(gps, GpsLatitudeRef));
    const char east = reference(data, FindEntry(gps, GpsLongitudeRef));
    if (!latitude || !longitude || (north != 'N' && north != 'S') || (east != 'E' && east != 'W')
        || *latitude > 90 || *longitude > 180)
        return std::nullopt;
    return ::GpsPosition{north == 'S' ? -*latitude : *latitude, east == 'W' ? -*longitude : *longitude};
}
