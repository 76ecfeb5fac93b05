#include "ui/DateTimeText.h"

#include <QRegularExpression>

QString DateTimeText(QDate date, QTime time, const QLocale &locale)
{
    // A two-digit year is ambiguous for old photos; the long time format's
    // zone belongs to now, not to the moment shown.
    QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QLatin1String("yyyy")))
        dateFormat.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.replace(QRegularExpression(QStringLiteral("\\s*t+\\s*")), QStringLiteral(" "));
    return locale.toString(date, dateFormat) + u' ' + locale.toString(time, timeFormat.trimmed());
}
