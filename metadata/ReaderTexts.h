#pragma once

#include "metadata/ExifSummary.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>

// The texts the reader shows its users, translated in the context
// "ReaderTexts". Tag names are never translated.
class ReaderTexts
{
    Q_DECLARE_TR_FUNCTIONS(ReaderTexts)

public:
    // The tag list of a file without EXIF data, and of one that could not be read.
    static QString NoExifData();
    static QString ReadError();
    // The last line of a tag list cut off by its budget.
    static QString MoreEntries(int64_t count);
    // "48.137154° N, 11.576124° O": degrees with six decimals and the
    // letters of the four directions.
    static QString GpsPositionText(const GpsPosition &position);
    // MetaInfo's text for an id the file does not hold.
    static QString TagNotFound(int32_t id);

    // "EXIF", "XMP", "XMP-Begleitdatei", "QuickTime", "mvhd-Filmkopf".
    static QString SourceName(CaptureSource source);
    // "Aufnahmezeit: 2021-06-01 10:00:00.5+02:00 (EXIF)", with the fraction
    // and the offset where known, or "Aufnahmezeit: keine".
    static QString CaptureTimeLine(const ExifSummary &summary);
    // The summary, one "Label: value" line each (Kamera, Blende, Belichtung,
    // ISO, Aufnahmezeit, Bildgröße), each ending in "\n"; a value the file
    // does not give is left out, the capture time never.
    static QString SummaryLines(const ExifSummary &summary, std::optional<QSize> size, const QLocale &locale);
};
