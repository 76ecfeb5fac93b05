#pragma once

#include <QImage>
#include <QString>

// A HEIF/AVIF file decoded by libheif: its thumbnail image when it has one,
// else the primary image (libheif 1.15 decodes only at full size). libheif
// applies the container's rotation and mirroring itself, so the result is
// not to be turned again by the EXIF orientation. Null when it fails.
QImage DecodeHeif(const QString &path);
