#pragma once

#include "metadata/CaptureTime.h"

#include <ostream>

// A capture time in a failure message: "YYYY:MM:DD HH:MM:SS", its
// sub-seconds and offset when set.
inline void PrintTo(const CaptureTime &time, std::ostream *out)
{
    *out << time.exifText().toStdString();
    if (!time.subSeconds().isEmpty())
        *out << '.' << time.subSeconds().toStdString();
    if (time.offsetMinutes())
        *out << " offset " << *time.offsetMinutes() << " min";
}
