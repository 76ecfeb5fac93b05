#include "services/FileTime.h"

#include "services/Paths.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>

QString ColonsToDashes(QString &text)
{
    text.replace(QLatin1Char(':'), QLatin1Char('-'));
    return text;
}

namespace {

// The number a text begins with, read the old way: blanks anywhere are
// ignored, reading stops at the first character that cannot belong to the
// number, no number gives 0, and the value is rounded half to even.
// nullopt when the number does not fit a 16-bit field.
std::optional<int> LeadingNumber(const QString &text)
{
    QString digits;
    bool point = false;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
            continue;
        const bool sign = (c == QLatin1Char('-') || c == QLatin1Char('+')) && digits.isEmpty();
        const bool decimalPoint = c == QLatin1Char('.') && !point;
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (!digit && !sign && !decimalPoint)
            break;
        point = point || decimalPoint;
        digits += c;
    }
    bool ok = false;
    const double value = digits.toDouble(&ok);
    if (!ok)
        return 0;
    const double rounded = std::nearbyint(value);
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return static_cast<int>(rounded);
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// The moment the local wall-clock time names, with the offset in force at
// that date (not today's), so a summer photo stamped in winter still shows
// its own time. In the hour that repeats in autumn the first of the two
// moments counts (summer time). A time in the hour skipped in spring is read
// as glibc's mktime normalises it: with the offset before the change, so
// 02:30 becomes 03:30 summer time.
std::optional<std::time_t> LocalMoment(const std::tm &fields)
{
    const auto reading = [&](int isDst) -> std::optional<std::time_t> {
        std::tm probe = fields;
        probe.tm_isdst = isDst;
        errno = 0;
        const std::time_t moment = std::mktime(&probe);
        if (moment == static_cast<std::time_t>(-1) && errno != 0)
            return std::nullopt;
        const bool sameClock = probe.tm_isdst == isDst && probe.tm_mday == fields.tm_mday
            && probe.tm_hour == fields.tm_hour && probe.tm_min == fields.tm_min;
        if (isDst >= 0 && !sameClock)
            return std::nullopt;
        return moment;
    };
    const std::optional<std::time_t> summer = reading(1);
    const std::optional<std::time_t> winter = reading(0);
    if (summer && winter)
        return std::min(*summer, *winter);
    if (summer || winter)
        return summer ? summer : winter;
    return reading(-1);
}

}

FileTimeResult SetFileTimes(const QString &path, const QString &year, const QString &month,
                            const QString &day, const QString &hour, const QString &minute,
                            const QString &second)
{
    if (!FileExists(path))
        return FileTimeResult::NoFile;

    const std::optional<int> y = LeadingNumber(year), mo = LeadingNumber(month),
                             d = LeadingNumber(day), h = LeadingNumber(hour),
                             mi = LeadingNumber(minute), s = LeadingNumber(second);
    if (!y || !mo || !d || !h || !mi || !s || *y < 1 || *y > 9999 || *mo < 1 || *mo > 12
        || *d < 1 || *d > DaysInMonth(*y, *mo) || *h < 0 || *h > 23 || *mi < 0 || *mi > 59
        || *s < 0 || *s > 59)
        return FileTimeResult::InvalidTime;

    std::tm fields {};
    fields.tm_year = *y - 1900;
    fields.tm_mon = *mo - 1;
    fields.tm_mday = *d;
    fields.tm_hour = *h;
    fields.tm_min = *mi;
    fields.tm_sec = *s;
    const std::optional<std::time_t> moment = LocalMoment(fields);
    if (!moment)
        return FileTimeResult::InvalidTime;

    // Only access and modification time can be set: Linux gives programs no
    // way to set a file's creation (birth) time.
    const struct timespec times[2] = {{*moment, 0}, {*moment, 0}};
    const QByteArray name = QFile::encodeName(path);
    if (::utimensat(AT_FDCWD, name.constData(), times, 0) != 0)
        return FileTimeResult::Failed;
    // A file system clamps a time it cannot hold (ext4 before 1901, FAT
    // before 1980) and reports success: only reading it back tells.
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return FileTimeResult::Failed;
    return ModificationTimeHeld(*moment, st.st_mtim.tv_sec) ? FileTimeResult::Set : FileTimeResult::OutOfRange;
}

bool ModificationTimeHeld(std::time_t wanted, std::time_t readBack)
{
    // FAT and exFAT keep modification times in 2-second steps.
    return std::llabs(static_cast<long long>(wanted) - static_cast<long long>(readBack)) <= 2;
}
