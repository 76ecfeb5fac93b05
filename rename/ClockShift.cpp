#include "rename/ClockShift.h"

#include <QDateTime>
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

QString ShiftedExifTime(const QString &time, qint64 seconds)
{
    // The camera's wall clock, without a zone: summer time changes of the
    // place play no part in an offset the user gives in hours.
    const QString format = QStringLiteral("yyyy:MM:dd - HH:mm:ss");
    const QDateTime read = QDateTime::fromString(time, format);
    if (!read.isValid())
        return {};
    const QDateTime shifted = QDateTime(read.date(), read.time(), Qt::UTC).addSecs(seconds);
    const int year = shifted.date().year();
    if (!shifted.isValid() || year < 1 || year > 9999)
        return {};
    return shifted.toString(format);
}
