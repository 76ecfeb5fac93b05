#pragma once

#include <QJsonObject>
#include <QString>

class ExifReader;

// The object `fotlex-cli info --json` writes for one file the reader has
// read: "file" (as given), "captureTime" (ISO 8601 with the fraction and
// the offset where known), "captureTimeSource" ("exif", "xmp", "sidecar",
// "quicktime", "mvhd"), "make", "model", "width" and "height" (upright),
// "orientation", "fNumber", "exposureTime" (seconds), "iso", "gps"
// ({"lat", "lon"}) and "tags" ([{"name", "text"}] as the tag list shows
// them); a value the file does not give is null. The keys are never
// translated.
QJsonObject InfoObject(const QString &file, const ExifReader &reader);

// {"file", "error"} for a file that could not be read.
QJsonObject InfoErrorObject(const QString &file, const QString &reason);
