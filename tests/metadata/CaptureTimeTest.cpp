#include "metadata/CaptureTime.h"
#include "tests/support/CaptureTimePrinter.h"
#include "tests/support/FileTimeSeams.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

std::optional<CaptureTime> Read(const char *text)
{
    return CaptureTime::FromExifText(QString::fromUtf8(text));
}

qint64 Utc(const char *exifText)
{
    const QString text = QString::fromLatin1(exifText);
    return QDateTime(QDate::fromString(text.left(10), QStringLiteral("yyyy:MM:dd")),
                     QTime::fromString(text.right(8), QStringLiteral("HH:mm:ss")), Qt::UTC)
        .toSecsSinceEpoch();
}

} // namespace

// Only EXIF's exact shape holding a real date and time is a capture time;
// the name and the EXIF text are made from it with four-digit years.
TEST(CaptureTimeTest, OnlyRealTimesInExifsShapeAreRead)
{
    const struct { const char *text, *exif, *stem; } cases[] = {
        {"2016:08:28 02:24:00", "2016:08:28 02:24:00", "2016-08-28 - 02-24-00"},
        {"2016:02:29 23:59:59   ", "2016:02:29 23:59:59", "2016-02-29 - 23-59-59"},
        {"0005:01:02 03:04:05", "0005:01:02 03:04:05", "0005-01-02 - 03-04-05"},
        {"9999:12:31 00:00:00", "9999:12:31 00:00:00", "9999-12-31 - 00-00-00"},
    };
    for (const auto &c : cases) {
        const std::optional<CaptureTime> time = Read(c.text);
        ASSERT_TRUE(time) << c.text;
        EXPECT_EQ(time->exifText(), QLatin1String(c.exif));
        EXPECT_EQ(time->nameStem(), QLatin1String(c.stem));
    }
    for (const char *bad : {"0000:00:00 00:00:00", "", "2016:08:28 02:2", "2021:06:01", "2016:02:30 10:00:00",
                            "2015:02:29 10:00:00", "2016:13:01 10:00:00", "2016:00:10 10:00:00",
                            "2016:08:28 24:00:00", "2016:08:28 10:60:00", "2016:08:28 10:00:60",
                            "2016-08-28 02:24:00", "2016:08-28 02:24:00", "2016:08:28T02:24:00",
                            "2016:08:28 - 02:24:00", " 2016:08:28 02:24:00", "2016:08:28 02:24:0x",
                            "+016:08:28 02:24:00", "20x6:08:28 02:24:00", "2016:08:28 02:24:00x",
                            "２016:08:28 02:24:00"})
        EXPECT_FALSE(Read(bad)) << bad;
}

// A clock offset runs through the calendar on the wall clock, keeps the
// fraction and the zone, and ends with the years 1 and 9999.
TEST(CaptureTimeTest, ShiftRunsTheCalendarAndStopsAtItsEnds)
{
    const struct { const char *time; qint64 seconds; const char *shifted; } cases[] = {
        {"2021:12:31 23:30:00", 3600, "2022:01:01 00:30:00"},
        {"2021:03:01 00:10:00", -1200, "2021:02:28 23:50:00"},
        {"2020:03:01 00:00:30", -31, "2020:02:29 23:59:59"},
        {"2021:03:28 01:30:00", 3600, "2021:03:28 02:30:00"},
        {"2000:01:01 00:00:00", 3 * 3600 * 24 * 366, "2003:01:03 00:00:00"},
        {"9999:12:31 23:00:00", 3600, nullptr},
        {"0001:01:01 01:10:00", -3600, "0001:01:01 00:10:00"},
        {"0001:01:01 00:10:00", -3600, nullptr},
    };
    for (const auto &c : cases) {
        const CaptureTime time = Read(c.time)->withSubSeconds(QStringLiteral("25")).withOffsetMinutes(60);
        const std::optional<CaptureTime> expected =
            c.shifted ? Read(c.shifted)->withSubSeconds(QStringLiteral("25")).withOffsetMinutes(60)
                      : std::optional<CaptureTime>();
        EXPECT_EQ(time.shifted(c.seconds), expected) << c.time;
    }
}

// Without an offset the instant is the local one with the offset of the
// photo's own date: in the hour skipped in spring as mktime reads it (02:30
// is 03:30 summer time), in the hour repeated in autumn the earlier one.
// With an offset it is the true instant, wherever the program runs.
TEST(CaptureTimeTest, InstantIsTheLocalOneOfItsOwnDateOrTheTrueOne)
{
    const LocalTimeZone berlin("Europe/Berlin");
    const struct { const char *time; std::optional<int> offset; const char *utc; } cases[] = {
        {"2016:08:28 02:24:00", {}, "2016:08:28 00:24:00"},
        {"2016:01:15 10:00:30", {}, "2016:01:15 09:00:30"},
        {"2016:01:01 00:00:00", {}, "2015:12:31 23:00:00"},
        {"2021:03:28 02:30:00", {}, "2021:03:28 01:30:00"},
        {"2021:03:28 03:30:00", {}, "2021:03:28 01:30:00"},
        {"2021:10:31 02:30:00", {}, "2021:10:31 00:30:00"},
        {"2021:10:31 03:00:00", {}, "2021:10:31 02:00:00"},
        {"1800:06:01 12:00:00", {}, "1800:06:01 11:06:32"},
        {"2021:05:12 18:01:02", -300, "2021:05:12 23:01:02"},
        {"2021:03:28 02:30:00", 570, "2021:03:27 17:00:00"},
    };
    for (const auto &c : cases) {
        CaptureTime time = *Read(c.time);
        if (c.offset)
            time = time.withOffsetMinutes(*c.offset);
        EXPECT_EQ(time.instant().time_since_epoch().count(), Utc(c.utc)) << c.time;
    }
}
