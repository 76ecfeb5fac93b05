#pragma once

#include "metadata/CaptureTime.h"

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

// The capture times an XMP packet holds, in the order they are preferred:
// exif:DateTimeOriginal, photoshop:DateCreated, xmp:CreateDate.
enum class XmpTimeProperty { DateTimeOriginal, DateCreated, CreateDate };

struct XmpTimeValue
{
    XmpTimeProperty property;
    QString text; // as written
};

// Each property of the three (as an attribute of rdf:Description or as an
// element, under any prefix bound to its namespace) with its text, read with
// QXmlStreamReader from a packet the caller has bounded in size. A packet
// that is cut off or not well-formed gives what was read before the fault.
std::vector<XmpTimeValue> ReadXmpTimes(QByteArrayView packet);

// An ISO 8601 time as XMP writes it: "YYYY-MM-DDTHH:MM:SS", an optional
// fraction, an optional "Z" or offset "+HH:MM".
struct XmpTime
{
    QString exifText;                 // "YYYY:MM:DD HH:MM:SS", the clock as written
    QString subSeconds;               // the fraction's digits
    std::optional<int> offsetMinutes; // east of UTC

    CaptureTime captureTime() const;
};

// Nothing for any other shape, and for a date or a time without seconds,
// which names no moment to the second.
std::optional<XmpTime> ParseXmpTime(QStringView text);
// The capture time of an XMP packet (embedded, or a sidecar file's bytes):
// the first of ReadXmpTimes that holds a moment to the second, with its
// fraction and offset.
std::optional<CaptureTime> CaptureTimeOfXmp(QByteArrayView packet);
// "+HH:MM", "-HH:MM" (also without the colon) or "Z" in minutes east of UTC.
std::optional<int> ParseUtcOffset(QStringView text);
