#pragma once

#include <QImage>
#include <QString>

#include <cstdint>

// The preview's size rule. Only the height is fitted: the scale is a whole
// percent, so the thumbnail's height is the box height give or take half a
// percent of the image height, and its width follows the image's proportions.
struct ThumbnailSize
{
    int32_t percent = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// percent = 100 / height * boxHeight, ties to even; each side = side * percent
// (ties to even) / 100, fraction dropped, and never below one pixel.
ThumbnailSize ThumbnailSizeFor(int32_t imageWidth, int32_t imageHeight, int32_t boxHeight);

struct Thumbnail
{
    // The picture for the preview box; null when the file could not be decoded.
    QImage image;
    // The image's full pixel size, set whenever its header could be read.
    bool sizeKnown = false;
    int32_t imageWidth = 0;
    int32_t imageHeight = 0;
};

// Reads the pixel size from the file's header, then decodes straight to the
// thumbnail size (JPEG files decode scaled inside libjpeg, so the full image
// is never held in memory). Transparent parts come out black.
Thumbnail LoadThumbnail(const QString &path, int32_t boxHeight);
