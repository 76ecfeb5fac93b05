#pragma once

#include <QString>

#include <optional>

// A camera clock's offset: "[+|-]HH:MM[:SS]", hours of any size ("+27:30"
// for a clock a day and a half behind), minutes and seconds 00 to 59. The
// offset in seconds, or nullopt for any other text.
std::optional<qint64> ParseClockShift(const QString &text);

// The capture time "YYYY:MM:DD - HH:MM:SS" moved by `seconds`, across days,
// months and years as the calendar runs; empty when it leaves the years 1 to 9999.
QString ShiftedExifTime(const QString &time, qint64 seconds);
