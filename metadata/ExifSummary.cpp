#include "metadata/ExifParse.h"
#include "metadata/ExifTagNames.h"
#include "metadata/clsEXIF.h"

ExifSummary clsEXIF::Summary() const
{
    ExifSummary summary;
    if (m_readStatus != 0)
        return summary;
    using namespace ExifTagId;
    for (size_t i = 1; i < m_tags.size(); ++i) {
        const QString &x = m_tags[i].text;
        switch (m_tags[i].id) {
        case Model: summary.camera = x; break;
        case ApertureValue:
        case FNumber: summary.aperture = x; break;
        case ShutterSpeedValue:
        case ExposureTime: summary.exposure = x; break;
        case ISOSpeedRatings: summary.iso = x; break;
        default: break;
        }
    }
    if (const ExifTag *time = CaptureTimeTag(m_tags))
        summary.captureTime = time->text;
    return summary;
}

QString clsEXIF::ExifTime() const
{
    if (m_readStatus != 0)
        return {};
    return ExifTimeFromTags(m_tags).value_or(QString());
}
