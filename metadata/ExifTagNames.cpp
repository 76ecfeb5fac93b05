#include "metadata/ExifTagNames.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// In the order the names were first listed; the ids are not sorted.
const std::array<std::pair<int32_t, QStringView>, 54> kTagNames{{
    {270, u"ImageDescription"},
    {271, u"Make"},
    {272, u"Model"},
    {274, u"Orientation"},
    {282, u"XResolution"},
    {283, u"YResolution"},
    {296, u"ResolutionUnit"},
    {305, u"Software"},
    {306, u"DateTime"},
    {318, u"WhitePoint"},
    {319, u"PrimaryChromaticities"},
    {529, u"YCbCrCoefficients"},
    {531, u"YCbCrPositioning"},
    {532, u"ReferenceBlackWhite"},
    {33432, u"Copyright"},
    {34665, u"ExifOffset"},
    {33434, u"ExposureTime"},
    {33437, u"FNumber"},
    {34850, u"ExposureProgram"},
    {34855, u"ISOSpeedRatings"},
    {36864, u"ExifVersion"},
    {36867, u"DateTimeOriginal"},
    {36868, u"DateTimeDigitized"},
    {37121, u"ComponentsConfiguration"},
    {37122, u"CompressedBitsPerPixel"},
    {37377, u"ShutterSpeedValue"},
    {37378, u"ApertureValue"},
    {37379, u"BrightnessValue"},
    {37380, u"ExposureBiasValue"},
    {37381, u"MaxApertureValue"},
    {37382, u"SubjectDistance"},
    {37383, u"MeteringMode"},
    {37384, u"LightSource"},
    {37385, u"Flash"},
    {37386, u"FocalLength"},
    {37500, u"MakerNote"},
    {37510, u"UserComment"},
    {37520, u"SubsecTime"},
    {37521, u"SubsecTimeOriginal"},
    {37522, u"SubsecTimeDigitized"},
    {40960, u"FlashPixVersion"},
    {40961, u"ColorSpace"},
    {40962, u"ExifImageWidth"},
    {40963, u"ExifImageHeight"},
    {40964, u"RelatedSoundFile"},
    {40965, u"ExifInteroperabilityOffset"},
    {41486, u"FocalPlaneXResolution"},
    {41487, u"FocalPlaneYResolution"},
    {41488, u"FocalPlaneResolutionUnit"},
    {41493, u"ExposureIndex"},
    {41495, u"SensingMethod"},
    {41728, u"FileSource"},
    {41729, u"SceneType"},
    {41730, u"CFAPattern"},
}};

}

QString ExifTagName(int32_t id)
{
    if (id == ExifTagId::CreateDate)
        return QStringLiteral("CreateDate");
    if (id == ExifTagId::CreationDate)
        return QStringLiteral("CreationDate");
    // Sorted once by id: every entry of every file is named through here.
    static const auto byId = [] {
        auto sorted = kTagNames;
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }();
    const auto found = std::lower_bound(byId.begin(), byId.end(), id,
                                        [](const auto &entry, int32_t key) { return entry.first < key; });
    if (found != byId.end() && found->first == id)
        // Static UTF-16 literal data: the text is shared, not copied.
        return QString::fromRawData(reinterpret_cast<const QChar *>(found->second.utf16()), found->second.size());
    return QStringLiteral("Tag #") + QString::number(id);
}
