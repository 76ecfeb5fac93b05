#include "metadata/ReaderTexts.h"

#include "metadata/ExifNumberText.h"

#include <cmath>

QString ReaderTexts::NoExifData()
{
    return tr("Keine EXIF-Daten vorhanden.");
}

QString ReaderTexts::ReadError()
{
    return tr("Error.");
}

QString ReaderTexts::MoreEntries(int64_t count)
{
    return tr("… %n weitere Einträge", nullptr, int(std::min<int64_t>(count, INT32_MAX)));
}

QString ReaderTexts::GpsPositionText(const GpsPosition &position)
{
    return QStringLiteral("%1° %2, %3° %4")
        .arg(std::fabs(position.latitude), 0, 'f', 6)
        .arg(position.latitude < 0 ? tr("S", "south") : tr("N", "north"))
        .arg(std::fabs(position.longitude), 0, 'f', 6)
        .arg(position.longitude < 0 ? tr("W", "west") : tr("O", "east"));
}

QString ReaderTexts::TagNotFound(int32_t id)
{
    return tr("Tag %1 nicht gefunden.").arg(id);
}

QString ReaderTexts::SourceName(CaptureSource source)
{
    switch (source) {
    case CaptureSource::Exif: return tr("EXIF");
    case CaptureSource::Xmp: return tr("XMP");
    case CaptureSource::Sidecar: return tr("XMP-Begleitdatei");
    case CaptureSource::QuickTime: return tr("QuickTime");
    case CaptureSource::Mvhd: return tr("mvhd-Filmkopf");
    }
    return {};
}

QString ReaderTexts::CaptureTimeLine(const ExifSummary &summary)
{
    if (!summary.captureTime)
        return tr("Aufnahmezeit: keine");
    return tr("Aufnahmezeit: %1 (%2)").arg(summary.captureTime->isoText(u' '), SourceName(summary.captureSource));
}

QString ReaderTexts::SummaryLines(const ExifSummary &summary, std::optional<QSize> size, const QLocale &locale)
{
    QString lines;
    if (summary.camera)
        lines += tr("Kamera: %1").arg(*summary.camera) + u'\n';
    if (summary.fNumber)
        lines += tr("Blende: f/%1").arg(locale.toString(*summary.fNumber, 'f', 1)) + u'\n';
    if (summary.exposureSeconds)
        lines += tr("Belichtung: %1 s").arg(ExposureTimeText(*summary.exposureSeconds, locale)) + u'\n';
    if (summary.iso)
        lines += tr("ISO: %1").arg(*summary.iso) + u'\n';
    lines += CaptureTimeLine(summary) + u'\n';
    if (size)
        lines += tr("Bildgröße: %1 x %2").arg(size->width()).arg(size->height()) + u'\n';
    return lines;
}
