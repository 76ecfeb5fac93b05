#pragma once

#include <QColor>
#include <QDateTime>
#include <QLocale>
#include <QString>

#include <cstdint>

// The texts and the colour rule of the information panel.

// "Bildgrösse: " height " x " width.
QString ImageSizeText(int32_t height, int32_t width);
// Digits in groups of three with the locale's group separator; empty for 0.
QString FileSizeText(qint64 bytes, const QLocale &locale = QLocale());
// DD.MM.YYYY HH:MM:SS in local time, the form lblEXIFTime is written in, so
// that the two can be compared in every locale.
QString FileTimeText(const QDateTime &modified);
// Black when the file time reads exactly as the EXIF time, else dark red.
QColor FileTimeColour(const QString &fileTime, const QString &exifTime);
