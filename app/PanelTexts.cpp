#include "app/PanelTexts.h"

QString ImageSizeText(int32_t height, int32_t width)
{
    return QStringLiteral("Bildgrösse: %1 x %2").arg(height).arg(width);
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

QColor FileTimeColour(const QString &fileTime, const QString &exifTime)
{
    return fileTime == exifTime ? QColor(0, 0, 0) : QColor(192, 0, 0);
}
