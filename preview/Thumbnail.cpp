#include "preview/Thumbnail.h"

#include "metadata/EmbeddedPreview.h"
#include "metadata/JpegPreviews.h"
#include "services/RegularFile.h"
#include "preview/HeifThumbnail.h"
#include "preview/PreviewFit.h"
#include "preview/Upright.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <cmath>

namespace {

// Enough for the APP1 EXIF segment (at most 64 KiB), the MPF segment and
// the tables before the frame header.
constexpr qint64 kHeadSize = 192 * 1024;
// Where an embedded JPEG's frame header is looked for, when it lay beyond the head.
constexpr qint64 kFrameSearch = 64 * 1024;
// A larger one would cost more to read than the photo's reduced decode.
constexpr qint64 kMaxEmbedded = 16 * 1024 * 1024;

bool sameProportions(JpegFrame a, JpegFrame b)
{
    const double ratioA = double(a.width) / a.height;
    const double ratioB = double(b.width) / b.height;
    return std::abs(ratioA - ratioB) <= 0.02 * ratioB;
}

// The smallest embedded JPEG that covers `needed` stored pixels and has the
// photo's proportions; frames beyond the head are read here.
const EmbeddedJpeg *chooseEmbedded(int fd, JpegLayout &layout, QSize needed)
{
    const EmbeddedJpeg *best = nullptr;
    for (EmbeddedJpeg &candidate : layout.previews) {
        if (candidate.length > kMaxEmbedded)
            continue;
        if (!candidate.frame) {
            const auto bytes = ReadAt(fd, candidate.offset, std::min<qint64>(candidate.length, kFrameSearch));
            candidate.frame = bytes ? ReadJpegFrame(*bytes) : std::nullopt;
        }
        const auto frame = candidate.frame;
        if (!frame || frame->width < needed.width() || frame->height < needed.height() || frame->height <= 0
            || !sameProportions(*frame, *layout.frame))
            continue;
        if (!best || qint64(frame->width) * frame->height < qint64(best->frame->width) * best->frame->height)
            best = &candidate;
    }
    return best;
}

QImage decodeEmbedded(int fd, const EmbeddedJpeg &jpeg, QSize target)
{
    auto bytes = ReadAt(fd, jpeg.offset, jpeg.length);
    if (!bytes)
        return {};
    QBuffer buffer(&*bytes);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoTransform(false);
    reader.setScaledSize(target);
    return reader.read();
}

QImage withoutAlpha(const QImage &decoded)
{
    if (!decoded.hasAlphaChannel())
        return decoded;
    QImage opaque(decoded.size(), QImage::Format_RGB32);
    opaque.fill(Qt::black);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, decoded);
    return opaque;
}

QSize storedTarget(QSize stored, int orientation, QSize box)
{
    const QSize upright = FitPreview(stored, orientation, box);
    return TurnsByQuarter(orientation) ? upright.transposed() : upright;
}

// A RAW, RAF, CR3 or HEIF file shows its largest embedded JPEG, or what
// libheif decodes (already turned by the container), fitted like any photo;
// null when it has neither.
QImage rawOrHeifImage(int fd, const QString &path, const EmbeddedPreview &preview, QSize box)
{
    if (preview.length > 0 && preview.length <= 4 * kMaxEmbedded) {
        const EmbeddedJpeg jpeg{preview.offset, preview.length, std::nullopt};
        return decodeEmbedded(fd, jpeg, FitPreview(QSize(preview.width, preview.height), 1, box));
    }
    if (!preview.isHeif)
        return {};
    const QImage image = DecodeHeif(path);
    if (image.isNull())
        return image;
    return image.scaled(FitPreview(image.size(), 1, box), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}

Thumbnail LoadThumbnail(const QString &path, QSize box)
{
    Thumbnail result;
    RegularFile regular(path);
    if (regular.fd() < 0)
        return result;
    const auto head = ReadAt(regular.fd(), 0, kHeadSize);
    if (!head)
        return result;
    JpegLayout layout = ReadJpegLayout(*head);

    if (layout.frame && layout.frame->width > 0 && layout.frame->height > 0) {
        const QSize stored(layout.frame->width, layout.frame->height);
        const QSize target = storedTarget(stored, layout.orientation, box);
        if (const EmbeddedJpeg *jpeg = chooseEmbedded(regular.fd(), layout, target)) {
            const QImage image = decodeEmbedded(regular.fd(), *jpeg, target);
            if (!image.isNull()) {
                return {Upright(image, layout.orientation), true};
            }
        }
    }

    if (!layout.frame) {
        const EmbeddedPreview preview = FindEmbeddedPreview(path);
        result.image = withoutAlpha(rawOrHeifImage(regular.fd(), path, preview, box));
        result.embedded = !result.image.isNull();
        if (result.embedded)
            return result;
    }

    QFile file(path);
    if (!file.open(regular.release(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return result;
    QImageReader reader(&file);
    reader.setAutoTransform(false);
    const QSize stored = reader.size();
    if (!stored.isValid())
        return result;
    reader.setScaledSize(storedTarget(stored, layout.orientation, box));
    const QImage decoded = reader.read();
    if (!decoded.isNull())
        result.image = Upright(withoutAlpha(decoded), layout.orientation);
    return result;
}
