#include "rename/ClockShift.h"

#include <QRegularExpression>

std::optional<qint64> ParseClockShift(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^([+-]?)(\\d{1,6}):([0-5]\\d)(?::([0-5]\\d))?$"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const qint64 seconds = match.captured(2).toLongLong() * 3600 + match.captured(3).toInt() * 60
        + match.captured(4).toInt();
    return match.captured(1) == u"-" ? -seconds : seconds;
}
