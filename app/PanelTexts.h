#pragma once

#include "metadata/CaptureTime.h"

#include <QColor>
#include <QDateTime>
#include <QLocale>
#include <QString>

#include <cstdint>

// The texts and the colour rule of the information panel.

// "Bildgrösse: " width " x " height of the photo as it is shown upright: the
// EXIF orientations 5 to 8 turn it by a quarter, so they swap the two.
QString ImageSizeText(int32_t width, int32_t height, int orientation);
// "Blende: f 7.1", one decimal in the locale's way.
QString ApertureText(double fNumber, const QLocale &locale = QLocale());
// "Belichtung: 1/160s" below half a second; from there on in seconds:
// "Belichtung: 0.8s", "Belichtung: 2s", "Belichtung: 1.3s".
QString ExposureText(double seconds, const QLocale &locale = QLocale());
// Digits in groups of three with the locale's group separator; empty for 0.
QString FileSizeText(qint64 bytes, const QLocale &locale = QLocale());
// DD.MM.YYYY HH:MM:SS in local time, the form captureTime is written in, so
// that the two can be compared in every locale.
QString FileTimeText(const QDateTime &modified);
// A capture time as captureTime shows it: "DD.MM.YYYY HH:MM:SS".
QString ExifTimeText(const CaptureTime &time);
// A capture time as summaryTime shows it: "YYYY:MM:DD  -  HH:MM:SS".
QString TimeDateText(const CaptureTime &time);
// Black when the file time reads exactly as the EXIF time, else dark red.
QColor FileTimeColour(const QString &fileTime, const QString &exifTime);
