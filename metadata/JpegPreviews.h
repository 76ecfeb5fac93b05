#pragma once

#include <QByteArrayView>

#include <cstdint>
#include <optional>
#include <vector>

// The pixel size a JPEG's frame header gives: the stored image, before any
// EXIF orientation is applied.
struct JpegFrame
{
    int32_t width = 0;
    int32_t height = 0;
};

// A smaller JPEG the camera stored beside its photo: the EXIF thumbnail
// (IFD1) or an MPF image (APP2). Its bytes lie at offset .. offset + length
// in the file; frame is set when its header lay in the bytes read.
struct EmbeddedJpeg
{
    int64_t offset = 0;
    int64_t length = 0;
    std::optional<JpegFrame> frame;
};

struct JpegLayout
{
    std::optional<JpegFrame> frame;  // the photo's own frame, when a JPEG
    int32_t orientation = 1;         // IFD0 Orientation 1..8; 1 when missing or invalid
    std::vector<EmbeddedJpeg> previews;
};

// Walks the segments of a JPEG's head (the file's first bytes, up to its
// image data) for the frame, the orientation and the embedded previews.
// Anything else gives an empty layout.
JpegLayout ReadJpegLayout(QByteArrayView head);

// The frame size of the JPEG that starts at the view's first byte; nothing
// for a lossless or hierarchical frame, which Qt does not decode.
std::optional<JpegFrame> ReadJpegFrame(QByteArrayView jpeg);
