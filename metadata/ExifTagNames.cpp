#include "metadata/ExifTagNames.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

using Name = std::pair<int32_t, QStringView>;

// Sorted by id.
constexpr Name kTagNames[] = {
    {254, u"NewSubfileType"}, {255, u"SubfileType"}, {256, u"ImageWidth"}, {257, u"ImageLength"},
    {258, u"BitsPerSample"}, {259, u"Compression"}, {262, u"PhotometricInterpretation"}, {263, u"Threshholding"},
    {264, u"CellWidth"}, {265, u"CellLength"}, {266, u"FillOrder"}, {269, u"DocumentName"},
    {270, u"ImageDescription"}, {271, u"Make"}, {272, u"Model"}, {273, u"StripOffsets"}, {274, u"Orientation"},
    {277, u"SamplesPerPixel"}, {278, u"RowsPerStrip"}, {279, u"StripByteCounts"}, {280, u"MinSampleValue"},
    {281, u"MaxSampleValue"}, {282, u"XResolution"}, {283, u"YResolution"}, {284, u"PlanarConfiguration"},
    {285, u"PageName"}, {286, u"XPosition"}, {287, u"YPosition"}, {288, u"FreeOffsets"}, {289, u"FreeByteCounts"},
    {290, u"GrayResponseUnit"}, {291, u"GrayResponseCurve"}, {292, u"T4Options"}, {293, u"T6Options"},
    {296, u"ResolutionUnit"}, {297, u"PageNumber"}, {301, u"TransferFunction"}, {305, u"Software"},
    {306, u"DateTime"}, {315, u"Artist"}, {316, u"HostComputer"}, {317, u"Predictor"}, {318, u"WhitePoint"},
    {319, u"PrimaryChromaticities"}, {320, u"ColorMap"}, {321, u"HalftoneHints"}, {322, u"TileWidth"},
    {323, u"TileLength"}, {324, u"TileOffsets"}, {325, u"TileByteCounts"}, {330, u"SubIFDs"}, {332, u"InkSet"},
    {333, u"InkNames"}, {334, u"NumberOfInks"}, {336, u"DotRange"}, {337, u"TargetPrinter"},
    {338, u"ExtraSamples"}, {339, u"SampleFormat"}, {340, u"SMinSampleValue"}, {341, u"SMaxSampleValue"},
    {342, u"TransferRange"}, {512, u"JPEGProc"}, {513, u"JPEGInterchangeFormat"}, {514, u"JPEGInterchangeFormatLength"},
    {515, u"JPEGRestartInterval"}, {517, u"JPEGLosslessPredictors"}, {518, u"JPEGPointTransforms"},
    {519, u"JPEGQTables"}, {520, u"JPEGDCTables"}, {521, u"JPEGACTables"}, {529, u"YCbCrCoefficients"},
    {530, u"YCbCrSubSampling"}, {531, u"YCbCrPositioning"}, {532, u"ReferenceBlackWhite"},
    {700, u"XMP"}, {33432, u"Copyright"}, {33434, u"ExposureTime"}, {33437, u"FNumber"},
    {34665, u"ExifOffset"}, {34850, u"ExposureProgram"}, {34852, u"SpectralSensitivity"}, {34853, u"GPSInfo"},
    {34855, u"ISOSpeedRatings"}, {34856, u"OECF"}, {34864, u"SensitivityType"},
    {34865, u"StandardOutputSensitivity"}, {34866, u"RecommendedExposureIndex"}, {34867, u"ISOSpeed"},
    {34868, u"ISOSpeedLatitudeyyy"}, {34869, u"ISOSpeedLatitudezzz"}, {36864, u"ExifVersion"},
    {36867, u"DateTimeOriginal"}, {36868, u"DateTimeDigitized"}, {36880, u"OffsetTime"},
    {36881, u"OffsetTimeOriginal"}, {36882, u"OffsetTimeDigitized"}, {37121, u"ComponentsConfiguration"},
    {37122, u"CompressedBitsPerPixel"}, {37377, u"ShutterSpeedValue"}, {37378, u"ApertureValue"},
    {37379, u"BrightnessValue"}, {37380, u"ExposureBiasValue"}, {37381, u"MaxApertureValue"},
    {37382, u"SubjectDistance"}, {37383, u"MeteringMode"}, {37384, u"LightSource"}, {37385, u"Flash"},
    {37386, u"FocalLength"}, {37396, u"SubjectArea"}, {37500, u"MakerNote"}, {37510, u"UserComment"},
    {37520, u"SubsecTime"}, {37521, u"SubsecTimeOriginal"}, {37522, u"SubsecTimeDigitized"},
    {37888, u"Temperature"}, {37889, u"Humidity"}, {37890, u"Pressure"}, {37891, u"WaterDepth"},
    {37892, u"Acceleration"}, {37893, u"CameraElevationAngle"}, {40960, u"FlashPixVersion"},
    {40961, u"ColorSpace"}, {40962, u"ExifImageWidth"}, {40963, u"ExifImageHeight"},
    {40964, u"RelatedSoundFile"}, {40965, u"ExifInteroperabilityOffset"}, {41483, u"FlashEnergy"},
    {41484, u"SpatialFrequencyResponse"}, {41486, u"FocalPlaneXResolution"},
    {41487, u"FocalPlaneYResolution"}, {41488, u"FocalPlaneResolutionUnit"}, {41492, u"SubjectLocation"},
    {41493, u"ExposureIndex"}, {41495, u"SensingMethod"}, {41728, u"FileSource"}, {41729, u"SceneType"},
    {41730, u"CFAPattern"}, {41985, u"CustomRendered"}, {41986, u"ExposureMode"}, {41987, u"WhiteBalance"},
    {41988, u"DigitalZoomRatio"}, {41989, u"FocalLengthIn35mmFilm"}, {41990, u"SceneCaptureType"},
    {41991, u"GainControl"}, {41992, u"Contrast"}, {41993, u"Saturation"}, {41994, u"Sharpness"},
    {41995, u"DeviceSettingDescription"}, {41996, u"SubjectDistanceRange"}, {42016, u"ImageUniqueID"},
    {42032, u"CameraOwnerName"}, {42033, u"BodySerialNumber"}, {42034, u"LensSpecification"}, {42035, u"LensMake"},
    {42036, u"LensModel"}, {42037, u"LensSerialNumber"}, {42080, u"CompositeImage"},
    {42081, u"SourceImageNumberOfCompositeImage"}, {42082, u"SourceExposureTimesOfCompositeImage"}, {42240, u"Gamma"},
    {ExifTagId::CreateDate, u"CreateDate"}, {ExifTagId::CreationDate, u"CreationDate"},
    {ExifTagId::GpsPosition, u"GPS"}, {ExifTagId::XmpDateTimeOriginal, u"XMP-exif:DateTimeOriginal"},
    {ExifTagId::XmpDateCreated, u"XMP-photoshop:DateCreated"}, {ExifTagId::XmpCreateDate, u"XMP-xmp:CreateDate"},
};

// The GPS directory's tags, ids 0 to 31 in order.
constexpr QStringView kGpsNames[] = {
    u"GPSVersionID", u"GPSLatitudeRef", u"GPSLatitude", u"GPSLongitudeRef", u"GPSLongitude", u"GPSAltitudeRef",
    u"GPSAltitude", u"GPSTimeStamp", u"GPSSatellites", u"GPSStatus", u"GPSMeasureMode", u"GPSDOP",
    u"GPSSpeedRef", u"GPSSpeed", u"GPSTrackRef", u"GPSTrack", u"GPSImgDirectionRef", u"GPSImgDirection",
    u"GPSMapDatum", u"GPSDestLatitudeRef", u"GPSDestLatitude", u"GPSDestLongitudeRef", u"GPSDestLongitude",
    u"GPSDestBearingRef", u"GPSDestBearing", u"GPSDestDistanceRef", u"GPSDestDistance", u"GPSProcessingMethod",
    u"GPSAreaInformation", u"GPSDateStamp", u"GPSDifferential", u"GPSHPositioningError",
};

static_assert(std::is_sorted(std::begin(kTagNames), std::end(kTagNames),
                             [](const Name &a, const Name &b) { return a.first < b.first; }));

// Static UTF-16 literal data: the text is shared, not copied.
QString shared(QStringView name)
{
    return QString::fromRawData(reinterpret_cast<const QChar *>(name.utf16()), name.size());
}

}

QString ExifTagName(int32_t id, bool gpsDirectory)
{
    if (gpsDirectory) {
        if (id >= 0 && id < int32_t(std::size(kGpsNames)))
            return shared(kGpsNames[id]);
    } else {
        const auto found = std::lower_bound(std::begin(kTagNames), std::end(kTagNames), id,
                                            [](const Name &entry, int32_t key) { return entry.first < key; });
        if (found != std::end(kTagNames) && found->first == id)
            return shared(found->second);
    }
    return QStringLiteral("Tag #") + QString::number(id);
}

bool IsCaptureTimeTag(int32_t id)
{
    using namespace ExifTagId;
    return id == DateTimeOriginal || id == SubSecTimeOriginal || id == OffsetTimeOriginal || id == OffsetTime;
}

bool IsTimeRoadTag(int32_t id)
{
    return IsCaptureTimeTag(id) || id == ExifTagId::Model;
}
