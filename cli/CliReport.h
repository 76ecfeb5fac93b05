#pragma once

#include "cli/CliStreams.h"
#include "cli/ReportFlush.h"

#include <QElapsedTimer>

// How much a report says: --quiet its failed lines and its last line only,
// --verbose more about each file.
enum class ReportDetail { Quiet, Normal, Verbose };

// Whether a line of a report tells of a failure: --quiet keeps those only.
enum class LineKind { Ordinary, Failed };

// The report of a rename or an undo on standard output: a line per file as
// it is done, then the totals. A failed line is copied to standard error
// when that is another file. Where standard error is a terminal, a
// progress line is drawn there at the first file and at each flush, and
// wiped before the next line.
class CliReport
{
public:
    CliReport(const CliStreams &io, ReportDetail detail);

    bool verbose() const { return detail_ == ReportDetail::Verbose; }

    // A file's line; `done` of `total` files are done with it.
    void line(const QString &text, LineKind kind, int done = 0, int total = 0);
    // Bytes of the batch's copies done of `total`: the progress line tells
    // them beside the files, drawn a few times a second at most.
    void bytes(qint64 done, qint64 total);
    // A line of its own before the files' lines or the totals, not --quiet.
    void note(const QString &text);
    // The totals, always the last line.
    void last(const QString &text);
    // In place of the totals when the report could not be written: `text`
    // on standard error, and the lines that cannot go out dropped without a
    // second word.
    void stop(const QString &text);

private:
    void wipeProgress();

    const CliStreams &io_;
    ReportDetail detail_;
    ReportFlush flush_;
    bool progressShown_ = false;
    int done_ = 0, total_ = 0;  // files, as the last line told
    QElapsedTimer bytesDrawn_;
};
