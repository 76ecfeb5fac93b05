#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>

#include <chrono>
#include <optional>

// The moment a photo was taken, as its camera wrote it: a calendar date and
// a time of day in the years 1 to 9999, the fraction of the second as its
// digits were written ("5" is 0.5), and the offset from UTC when known.
// Without an offset it is a wall-clock time of the place where the program
// runs. Made once where it is read (the EXIF reader, a time the user types);
// text is made from it only where a name or a label is written.
class CaptureTime
{
public:
    // EXIF's "YYYY:MM:DD HH:MM:SS", blanks after it allowed (cameras pad the
    // field); nullopt for any other shape and for a date or time that does
    // not exist ("0000:00:00 00:00:00", February 30th, 24:00:00).
    static std::optional<CaptureTime> FromExifText(QStringView text);
    // The clock a place `offsetMinutes` east of UTC shows at `instant`, with
    // that offset; nullopt outside the years 1 to 9999.
    static std::optional<CaptureTime> AtOffset(std::chrono::sys_seconds instant, int offsetMinutes);
    // The clock of the local time zone at `instant`, with the offset in force then.
    static std::optional<CaptureTime> InLocalZone(std::chrono::sys_seconds instant);

    QDate date() const { return date_; }
    QTime time() const { return time_; }
    const QString &subSeconds() const { return subSeconds_; }
    std::optional<int> offsetMinutes() const { return offsetMinutes_; }

    CaptureTime withSubSeconds(const QString &digits) const;
    CaptureTime withOffsetMinutes(int minutes) const;

    // The time a clock `seconds` ahead would have written, across days,
    // months and years as the calendar runs; nullopt when it leaves the
    // years 1 to 9999.
    std::optional<CaptureTime> shifted(qint64 seconds) const;

    // The instant it names, to the second: with an offset its true instant;
    // else read in the local time zone with the offset in force on that date.
    // A time in the hour that repeats in autumn is the earlier instant; one
    // in the hour skipped in spring (which a camera's clock does not know)
    // is what mktime makes of it: 02:30 becomes 03:30 summer time.
    std::chrono::sys_seconds instant() const;

    // "YYYY-MM-DD - HH-MM-SS", the stem of a renamed file.
    QString nameStem() const;
    // "YYYY:MM:DD HH:MM:SS", as EXIF writes it.
    QString exifText() const;
    // ISO 8601: "YYYY-MM-DDTHH:MM:SS" ("T" or the separator given), the
    // fraction's digits as written (".5") and the offset ("+02:00") where known.
    QString isoText(QChar separator = u'T') const;

    bool operator==(const CaptureTime &other) const = default;

private:
    CaptureTime(QDate date, QTime time) : date_(date), time_(time) {}

    QDate date_;
    QTime time_;
    QString subSeconds_;
    std::optional<int> offsetMinutes_;
};
