#include "app/PanelTexts.h"

#include <cmath>

namespace {

// One decimal, halves away from zero, and none when it would be ".0".
QString OneDecimal(double x, const QLocale &locale)
{
    const double rounded = std::round(x * 10) / 10;
    return locale.toString(rounded, 'f', rounded == std::trunc(rounded) ? 0 : 1);
}

}

QString ImageSizeText(int32_t width, int32_t height, int orientation)
{
    if (orientation >= 5 && orientation <= 8)
        std::swap(width, height);
    return QStringLiteral("Bildgrösse: %1 x %2").arg(width).arg(height);
}

QString ApertureText(double fNumber, const QLocale &locale)
{
    return QStringLiteral("Blende: f ") + locale.toString(std::round(fNumber * 10) / 10, 'f', 1);
}

QString ExposureText(double seconds, const QLocale &locale)
{
    if (seconds >= 0.5)
        return QStringLiteral("Belichtung: ") + OneDecimal(seconds, locale) + u's';
    return QStringLiteral("Belichtung: 1/%1s").arg(std::llround(1 / seconds));
}

QString FileSizeText(qint64 bytes, const QLocale &locale)
{
    if (bytes == 0)
        return QString();
    QLocale grouped = locale;
    grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
    return grouped.toString(bytes);
}

QString FileTimeText(const QDateTime &modified)
{
    return modified.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

QString ExifTimeText(const CaptureTime &time)
{
    // Date and time apart: as one local QDateTime a time in the spring gap
    // would move by an hour.
    return time.date().toString(QStringLiteral("dd.MM.yyyy ")) + time.time().toString(QStringLiteral("HH:mm:ss"));
}

QString TimeDateText(const CaptureTime &time)
{
    return time.date().toString(QStringLiteral("yyyy:MM:dd  -  ")) + time.time().toString(QStringLiteral("HH:mm:ss"));
}

QColor FileTimeColour(const QString &fileTime, const QString &exifTime)
{
    return fileTime == exifTime ? QColor(0, 0, 0) : QColor(192, 0, 0);
}
