#pragma once

#include "metadata/CaptureTime.h"

#include <QColor>
#include <QDateTime>
#include <QLocale>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>

// The texts and the colour rule of the information panel.

// "Bildgrösse: " width " x " height of the picture upright, or the caption
// alone when its size is not known.
QString ImageSizeText(std::optional<QSize> size);
// "Blende: f 7.1", one decimal in the locale's way.
QString ApertureText(double fNumber, const QLocale &locale = QLocale());
// "Belichtung: " and the exposure time as the tag list shows it, then "s":
// "Belichtung: 1/160s", "Belichtung: 0,8s", "Belichtung: 2s".
QString ExposureText(double seconds, const QLocale &locale = QLocale());
// Digits in groups of three with the locale's group separator; empty for 0.
QString FileSizeText(qint64 bytes, const QLocale &locale = QLocale());
// DD.MM.YYYY HH:MM:SS in local time, the form lblEXIFTime is written in, so
// that the two can be compared in every locale.
QString FileTimeText(const QDateTime &modified);
// A capture time as lblEXIFTime shows it: "DD.MM.YYYY HH:MM:SS".
QString ExifTimeText(const CaptureTime &time);
// A capture time as lblTimeDate shows it: "YYYY:MM:DD  -  HH:MM:SS".
QString TimeDateText(const CaptureTime &time);
// Black when the file time reads exactly as the EXIF time, else dark red.
QColor FileTimeColour(const QString &fileTime, const QString &exifTime);
