#include "app/PanelTexts.h"

#include "metadata/ExifNumberText.h"

#include <cmath>

QString ImageSizeText(std::optional<QSize> size)
{
    if (!size)
        return QStringLiteral("Bildgrösse: ");
    return QStringLiteral("Bildgrösse: %1 x %2").arg(size->width()).arg(size->height());
}

QString ApertureText(double fNumber, const QLocale &locale)
{
    return QStringLiteral("Blende: f ") + locale.toString(std::round(fNumber * 10) / 10, 'f', 1);
}

QString ExposureText(double seconds, const QLocale &locale)
{
    return QStringLiteral("Belichtung: ") + ExposureTimeText(seconds, locale) + u's';
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
