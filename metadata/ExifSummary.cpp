#include "metadata/ExifParse.h"
#include "metadata/ExifTagNames.h"
#include "metadata/ExifReader.h"

#include <cmath>

ExifSummary ExifReader::Summary() const
{
    ExifSummary summary;
    if (m_readStatus != ExifReadStatus::Present) {
        summary.captureTime = m_sidecarTime;
        summary.captureSource = CaptureSource::Sidecar;
        return summary;
    }
    using namespace ExifTagId;
    std::optional<double> apexFNumber, apexSeconds;
    for (size_t i = 1; i < m_tags.size(); ++i) {
        const ExifTag &tag = m_tags[i];
        if (tag.gps)
            continue;
        // One rational, as the standard has the four exposure values; a zero
        // denominator leaves the text empty and the value unset.
        const bool rational = (tag.type == 5 || tag.type == 10) && tag.count == 1 && !tag.text.isEmpty();
        switch (tag.id) {
        case Make: summary.make = tag.text; break;
        case Model: summary.camera = tag.text; break;
        case ISOSpeedRatings: {
            // The text of a SHORT is its first value's digits.
            bool number = false;
            const int iso = tag.text.toInt(&number);
            if (number)
                summary.iso = iso;
            break;
        }
        case FNumber:
            if (rational)
                summary.fNumber = tag.value;
            break;
        case ExposureTime:
            if (rational && tag.value > 0)
                summary.exposureSeconds = tag.value;
            break;
        // APEX: f-number = sqrt(2)^Av, exposure time = 2^-Tv seconds.
        case ApertureValue:
            if (rational)
                apexFNumber = std::pow(std::sqrt(2.0), tag.value);
            break;
        case ShutterSpeedValue:
            if (rational)
                apexSeconds = std::exp2(-tag.value);
            break;
        default: break;
        }
    }
    const ExifCaptureStamp stamp = CaptureStampFromTags(m_tags);
    summary.captureTime = stamp.time;
    summary.captureSource = stamp.source;
    if (!stamp.time && m_sidecarTime) {
        summary.captureTime = m_sidecarTime;
        summary.captureSource = CaptureSource::Sidecar;
    }
    summary.orientation = m_orientation;
    summary.gps = m_gps;
    if (!summary.fNumber)
        summary.fNumber = apexFNumber;
    if (!summary.exposureSeconds)
        summary.exposureSeconds = apexSeconds;
    return summary;
}

std::optional<CaptureTime> ExifReader::ExifTime() const
{
    if (m_readStatus != ExifReadStatus::Present)
        return std::nullopt;
    return CaptureStampFromTags(m_tags).time;
}
