#pragma once

#include <QString>

#include <optional>

// A camera clock's offset: "[+|-]HH:MM[:SS]", hours of any size ("+27:30"
// for a clock a day and a half behind), minutes and seconds 00 to 59. The
// offset in seconds, or nullopt for any other text.
std::optional<qint64> ParseClockShift(const QString &text);
