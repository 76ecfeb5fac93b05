#include "ui/Thumbnail.h"

#include "metadata/EmbeddedPreview.h"
#include "services/RegularFile.h"
#include "ui/HeifThumbnail.h"

#include <QBuffer>

#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// std::nearbyint rounds ties to even in the default rounding mode.
int64_t RoundToEven(double value)
{
    return static_cast<int64_t>(std::nearbyint(value));
}

int32_t ScaledSide(int32_t side, int32_t percent)
{
    const int64_t scaled = RoundToEven(static_cast<double>(side) * percent) / 100;
    return static_cast<int32_t>(std::clamp<int64_t>(scaled, 1, INT32_MAX));
}

}

ThumbnailSize ThumbnailSizeFor(int32_t imageWidth, int32_t imageHeight, int32_t boxHeight)
{
    ThumbnailSize size;
    if (imageWidth <= 0 || imageHeight <= 0)
        return size;
    const double percent = 100.0 / imageHeight * boxHeight;
    size.percent = static_cast<int32_t>(std::clamp<int64_t>(RoundToEven(percent), 0, INT32_MAX));
    size.width = ScaledSide(imageWidth, size.percent);
    size.height = ScaledSide(imageHeight, size.percent);
    return size;
}

namespace {

// An embedded preview is at most a full-size JPEG of a large sensor.
constexpr int64_t kMaxPreviewSize = 64 * 1024 * 1024;

QByteArray previewBytes(const QString &path, const EmbeddedPreview &preview)
{
    RegularFile regular(path);
    QFile file(path);
    if (preview.length > kMaxPreviewSize || regular.fd() < 0
        || !file.open(regular.release(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)
        || !file.seek(preview.offset))
        return {};
    return file.read(preview.length);
}

// A RAW, RAF, CR3 or HEIF file shows its largest embedded JPEG, or what
// libheif decodes, scaled like any image; null when it has neither.
QImage embeddedImage(const QString &path, const EmbeddedPreview &preview, int32_t boxHeight)
{
    if (preview.length > 0) {
        QByteArray bytes = previewBytes(path, preview);
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer, "jpeg");
        const ThumbnailSize size = ThumbnailSizeFor(preview.width, preview.height, boxHeight);
        reader.setScaledSize(QSize(size.width, size.height));
        return reader.read();
    }
    if (!preview.isHeif)
        return {};
    const QImage image = DecodeHeif(path);
    if (image.isNull())
        return image;
    const ThumbnailSize size = ThumbnailSizeFor(image.width(), image.height(), boxHeight);
    return image.scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

Thumbnail decodeWithQt(const QString &path, int32_t boxHeight)
{
    Thumbnail result;
    RegularFile regular(path);
    if (regular.fd() < 0)
        return result;
    QFile file(path);
    if (!file.open(regular.release(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return result;
    QImageReader reader(&file);
    const QSize full = reader.size();
    if (!full.isValid())
        return result;
    result.sizeKnown = true;
    result.imageWidth = full.width();
    result.imageHeight = full.height();

    const ThumbnailSize size = ThumbnailSizeFor(full.width(), full.height(), boxHeight);
    reader.setScaledSize(QSize(size.width, size.height));
    const QImage decoded = reader.read();
    if (decoded.isNull())
        return result;
    if (!decoded.hasAlphaChannel()) {
        result.image = decoded;
        return result;
    }
    QImage opaque(decoded.size(), QImage::Format_RGB32);
    opaque.fill(Qt::black);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, decoded);
    painter.end();
    result.image = opaque;
    return result;
}

}

// The size label shows the real image size where the file tells it: a RAW's
// first directory, which Qt's TIFF reader would show, is often a thumbnail.
Thumbnail LoadThumbnail(const QString &path, int32_t boxHeight)
{
    const EmbeddedPreview preview = FindEmbeddedPreview(path);
    Thumbnail result;
    result.image = embeddedImage(path, preview, boxHeight);
    if (result.image.isNull())
        result = decodeWithQt(path, boxHeight);
    if (preview.imageWidth > 0) {
        result.sizeKnown = true;
        result.imageWidth = preview.imageWidth;
        result.imageHeight = preview.imageHeight;
    } else if (!result.sizeKnown && !result.image.isNull()) {
        result.sizeKnown = true;
        result.imageWidth = preview.width;
        result.imageHeight = preview.height;
    }
    return result;
}
