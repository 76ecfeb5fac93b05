#pragma once

#include <QString>

#include <cstdint>

// The names of the tags of TIFF 6 (baseline and extensions), EXIF 2.32 and
// its GPS directory, as the standards name them (the few older names the
// list has always shown stay: ExifOffset, ISOSpeedRatings, ExifImageWidth ...),
// and of the values a container gives instead of EXIF entries; any other id
// is "Tag #<id>". GPS tags have ids of their own directory (0 to 31).
QString ExifTagName(int32_t id, bool gpsDirectory = false);

namespace ExifTagId {
constexpr int32_t NewSubfileType = 254;
constexpr int32_t ImageWidth = 256;
constexpr int32_t ImageLength = 257;
constexpr int32_t Compression = 259;
constexpr int32_t Photometric = 262;
constexpr int32_t Make = 271;
constexpr int32_t Model = 272;
constexpr int32_t StripOffsets = 273;
constexpr int32_t Orientation = 274;
constexpr int32_t StripByteCounts = 279;
constexpr int32_t XResolution = 282;
constexpr int32_t YResolution = 283;
constexpr int32_t SubIfds = 330;
constexpr int32_t JpegOffset = 513;
constexpr int32_t JpegLength = 514;
constexpr int32_t Xmp = 700;
constexpr int32_t ExposureTime = 33434;
constexpr int32_t FNumber = 33437;
constexpr int32_t ExifOffset = 34665;
constexpr int32_t GpsInfo = 34853;
constexpr int32_t ISOSpeedRatings = 34855;
constexpr int32_t ExifVersion = 36864;
constexpr int32_t DateTimeOriginal = 36867;
constexpr int32_t OffsetTime = 36880;
constexpr int32_t OffsetTimeOriginal = 36881;
constexpr int32_t ComponentsConfiguration = 37121;
constexpr int32_t ShutterSpeedValue = 37377;
constexpr int32_t ApertureValue = 37378;
constexpr int32_t ExposureBiasValue = 37380;
constexpr int32_t MaxApertureValue = 37381;
constexpr int32_t SubjectDistance = 37382;
constexpr int32_t FocalLength = 37386;
constexpr int32_t MakerNote = 37500;
constexpr int32_t SubSecTimeOriginal = 37521;
constexpr int32_t FlashPixVersion = 40960;
constexpr int32_t ExifImageWidth = 40962;
constexpr int32_t ExifImageHeight = 40963;
constexpr int32_t FocalPlaneXResolution = 41486;
constexpr int32_t FocalPlaneYResolution = 41487;
constexpr int32_t FileSource = 41728;
constexpr int32_t SceneType = 41729;
// In the GPS directory.
constexpr int32_t GpsLatitudeRef = 1;
constexpr int32_t GpsLatitude = 2;
constexpr int32_t GpsLongitudeRef = 3;
constexpr int32_t GpsLongitude = 4;
// Values a container gives without an EXIF entry; their ids lie beyond the
// 16-bit range.
constexpr int32_t CreateDate = 0x10001;   // the movie header's creation time
constexpr int32_t CreationDate = 0x10002; // QuickTime's creationdate
constexpr int32_t GpsPosition = 0x10003;  // the GPS directory's position in degrees
// The capture times of the XMP packet, in the order they are preferred.
constexpr int32_t XmpDateTimeOriginal = 0x10004;
constexpr int32_t XmpDateCreated = 0x10005;
constexpr int32_t XmpCreateDate = 0x10006;
}

// The entries that make up the capture time: DateTimeOriginal, its
// fraction and the UTC offsets. Their texts are at most kCaptureTimeChars long.
bool IsCaptureTimeTag(int32_t id);
// The entries the capture time's road reads: those and the camera Model,
// which undo tells photos by beside their time.
bool IsTimeRoadTag(int32_t id);
inline constexpr int64_t kCaptureTimeChars = 64;
