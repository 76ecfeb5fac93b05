#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>

struct Thumbnail
{
    // The whole photo upright, fitted into the box; null when it could not
    // be decoded. Transparent parts come out black.
    QImage image;
    // Made from a JPEG the camera embedded, not from the photo itself.
    bool embedded = false;
};

// The preview of one file for a box of `box` device pixels. A JPEG's
// embedded previews come first: the smallest that covers what the box shows
// and has the photo's proportions (within 2%; a letterboxed or stale one has
// not). Otherwise the file is decoded straight to the fitted size (JPEG files
// scale inside libjpeg, so the full image is never held). The EXIF
// orientation is applied here, once. Runs on any thread.
Thumbnail LoadThumbnail(const QString &path, QSize box);
