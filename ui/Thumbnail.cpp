#include "ui/Thumbnail.h"

#include "services/RegularFile.h"

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

Thumbnail LoadThumbnail(const QString &path, int32_t boxHeight)
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
