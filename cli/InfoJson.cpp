#include "cli/InfoJson.h"

#include "metadata/ExifReader.h"

#include <QJsonArray>

namespace {

template <typename T>
QJsonValue valueOrNull(const std::optional<T> &value)
{
    return value ? QJsonValue(*value) : QJsonValue();
}

QString sourceKey(CaptureSource source)
{
    switch (source) {
    case CaptureSource::Exif: return QStringLiteral("exif");
    case CaptureSource::Xmp: return QStringLiteral("xmp");
    case CaptureSource::Sidecar: return QStringLiteral("sidecar");
    case CaptureSource::QuickTime: return QStringLiteral("quicktime");
    case CaptureSource::Mvhd: return QStringLiteral("mvhd");
    }
    return {};
}

} // namespace

QJsonObject InfoObject(const QString &file, const ExifReader &reader)
{
    const ExifSummary summary = reader.Summary();
    const std::optional<QSize> size = reader.ImageSize();
    QJsonArray tags;
    for (const ExifTag &tag : reader.ListedTags())
        tags.append(QJsonObject{{QStringLiteral("name"), tag.name}, {QStringLiteral("text"), tag.text}});
    QJsonValue gps;
    if (summary.gps)
        gps = QJsonObject{{QStringLiteral("lat"), summary.gps->latitude}, {QStringLiteral("lon"), summary.gps->longitude}};
    return {
        {QStringLiteral("file"), file},
        {QStringLiteral("captureTime"), summary.captureTime ? QJsonValue(summary.captureTime->isoText()) : QJsonValue()},
        {QStringLiteral("captureTimeSource"),
         summary.captureTime ? QJsonValue(sourceKey(summary.captureSource)) : QJsonValue()},
        {QStringLiteral("make"), valueOrNull(summary.make)},
        {QStringLiteral("model"), valueOrNull(summary.camera)},
        {QStringLiteral("width"), size ? QJsonValue(size->width()) : QJsonValue()},
        {QStringLiteral("height"), size ? QJsonValue(size->height()) : QJsonValue()},
        {QStringLiteral("orientation"), valueOrNull(summary.orientation)},
        {QStringLiteral("fNumber"), valueOrNull(summary.fNumber)},
        {QStringLiteral("exposureTime"), valueOrNull(summary.exposureSeconds)},
        {QStringLiteral("iso"), valueOrNull(summary.iso)},
        {QStringLiteral("gps"), gps},
        {QStringLiteral("tags"), tags},
    };
}

QJsonObject InfoErrorObject(const QString &file, const QString &reason)
{
    return {{QStringLiteral("file"), file}, {QStringLiteral("error"), reason}};
}
