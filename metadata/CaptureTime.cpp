#include "metadata/CaptureTime.h"

#include <QDateTime>

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace {

// Two decimal digits at `pos`, or -1.
int TwoDigits(QStringView text, qsizetype pos)
{
    const auto digit = [&](qsizetype i) { return text[i] >= u'0' && text[i] <= u'9' ? text[i].unicode() - u'0' : -1; };
    const int high = digit(pos), low = digit(pos + 1);
    return high < 0 || low < 0 ? -1 : high * 10 + low;
}

// Every year from 1 to 9999 is a time_t, so mktime cannot fail on them.
static_assert(sizeof(std::time_t) >= 8);

std::time_t LocalInstant(QDate date, QTime time)
{
    std::tm fields {};
    fields.tm_year = date.year() - 1900;
    fields.tm_mon = date.month() - 1;
    fields.tm_mday = date.day();
    fields.tm_hour = time.hour();
    fields.tm_min = time.minute();
    fields.tm_sec = time.second();
    // Read once as summer and once as winter time: a reading that keeps its
    // clock (mktime moves the other by the hour between them) is a real
    // instant; in the autumn fold both are, and the earlier counts. In the
    // spring gap neither is, and mktime's own guess counts.
    std::optional<std::time_t> found;
    for (const int isDst : {1, 0}) {
        std::tm probe = fields;
        probe.tm_isdst = isDst;
        const std::time_t moment = std::mktime(&probe);
        const bool sameClock = probe.tm_mday == fields.tm_mday && probe.tm_hour == fields.tm_hour
            && probe.tm_min == fields.tm_min;
        if (sameClock)
            found = std::min(found.value_or(moment), moment);
    }
    if (found)
        return *found;
    fields.tm_isdst = -1;
    return std::mktime(&fields);
}

} // namespace

std::optional<CaptureTime> CaptureTime::FromExifText(QStringView text)
{
    // 0123456789012345678
    // YYYY:MM:DD HH:MM:SS
    while (text.endsWith(u' '))
        text.chop(1);
    if (text.size() != 19 || text[4] != u':' || text[7] != u':' || text[10] != u' ' || text[13] != u':'
        || text[16] != u':')
        return std::nullopt;
    const int century = TwoDigits(text, 0), year = TwoDigits(text, 2);
    if (century < 0 || year < 0)
        return std::nullopt;
    const QDate date(century * 100 + year, TwoDigits(text, 5), TwoDigits(text, 8));
    const QTime time(TwoDigits(text, 11), TwoDigits(text, 14), TwoDigits(text, 17));
    if (!date.isValid() || date.year() < 1 || !time.isValid())
        return std::nullopt;
    return CaptureTime(date, time);
}

std::optional<CaptureTime> CaptureTime::AtOffset(std::chrono::sys_seconds instant, int offsetMinutes)
{
    // The clock from 1970-01-01 00:00:00, as far as the instant and the offset take it.
    const auto clock = CaptureTime(QDate(1970, 1, 1), QTime(0, 0))
                           .shifted(instant.time_since_epoch().count() + qint64(offsetMinutes) * 60);
    return clock ? std::optional(clock->withOffsetMinutes(offsetMinutes)) : std::nullopt;
}

std::optional<CaptureTime> CaptureTime::InLocalZone(std::chrono::sys_seconds instant)
{
    const qint64 seconds = instant.time_since_epoch().count();
    return AtOffset(instant, QDateTime::fromSecsSinceEpoch(seconds).offsetFromUtc() / 60);
}

CaptureTime CaptureTime::withSubSeconds(const QString &digits) const
{
    CaptureTime with = *this;
    with.subSeconds_ = digits;
    return with;
}

CaptureTime CaptureTime::withOffsetMinutes(int minutes) const
{
    CaptureTime with = *this;
    with.offsetMinutes_ = minutes;
    return with;
}

std::optional<CaptureTime> CaptureTime::shifted(qint64 seconds) const
{
    // The camera's wall clock, without a zone: summer time changes of the
    // place play no part in an offset the user gives in hours.
    const QDateTime moved = QDateTime(date_, time_, Qt::UTC).addSecs(seconds);
    const int year = moved.date().year();
    if (year < 1 || year > 9999)
        return std::nullopt;
    CaptureTime shifted = *this;
    shifted.date_ = moved.date();
    shifted.time_ = moved.time();
    return shifted;
}

std::chrono::sys_seconds CaptureTime::instant() const
{
    if (offsetMinutes_)
        return std::chrono::sys_seconds(std::chrono::seconds(
            QDateTime(date_, time_, Qt::UTC).toSecsSinceEpoch() - qint64(*offsetMinutes_) * 60));
    return std::chrono::sys_seconds(std::chrono::seconds(LocalInstant(date_, time_)));
}

QString CaptureTime::nameStem() const
{
    return QString::asprintf("%04d-%02d-%02d - %02d-%02d-%02d", date_.year(), date_.month(), date_.day(),
                             time_.hour(), time_.minute(), time_.second());
}

QString CaptureTime::exifText() const
{
    return QString::asprintf("%04d:%02d:%02d %02d:%02d:%02d", date_.year(), date_.month(), date_.day(),
                             time_.hour(), time_.minute(), time_.second());
}

QString CaptureTime::isoText(QChar separator) const
{
    QString text = QString::asprintf("%04d-%02d-%02d", date_.year(), date_.month(), date_.day()) + separator
        + QString::asprintf("%02d:%02d:%02d", time_.hour(), time_.minute(), time_.second());
    if (!subSeconds_.isEmpty())
        text += u'.' + subSeconds_;
    if (offsetMinutes_) {
        const int minutes = std::abs(*offsetMinutes_);
        text += QString::asprintf("%c%02d:%02d", *offsetMinutes_ < 0 ? '-' : '+', minutes / 60, minutes % 60);
    }
    return text;
}
