#include "cli/CliReport.h"

#include "cli/CliText.h"

namespace {

// Back to the start of the line, and the line cleared.
constexpr const char *WipeLine = "\r\x1b[K";

} // namespace

CliReport::CliReport(const CliStreams &io, ReportDetail detail) : io_(io), detail_(detail), flush_(io.out) {}

void CliReport::line(const QString &text, LineKind kind, int done, int total)
{
    wipeProgress();
    done_ = done;
    total_ = total;
    if (kind == LineKind::Failed || detail_ != ReportDetail::Quiet)
        io_.out << text << u'\n';
    if (kind == LineKind::Failed && io_.copyFailures)
        io_.err << text << u'\n';
    const bool flushed = flush_.due();
    // From the first file on, and again after each flush of the lines.
    if (io_.progress && total > 0 && (flushed || done == 1)) {
        io_.err << WipeLine << CliText::tr("%1 von %n Dateien", nullptr, total).arg(done) << Qt::flush;
        progressShown_ = true;
    } else if (flushed) {
        io_.err.flush();
    }
}

void CliReport::bytes(qint64 done, qint64 total)
{
    if (!io_.progress || (bytesDrawn_.isValid() && bytesDrawn_.elapsed() < 200 && done < total))
        return;
    bytesDrawn_.start();
    constexpr double MB = 1e6;
    io_.err << WipeLine << CliText::tr("%1 von %n Dateien", nullptr, total_).arg(done_) << QStringLiteral(", ")
            << CliText::tr("%1 von %2 MB kopiert").arg(qRound64(done / MB)).arg(qRound64(total / MB)) << Qt::flush;
    progressShown_ = true;
}

void CliReport::note(const QString &text)
{
    if (detail_ != ReportDetail::Quiet)
        io_.out << text << Qt::endl;
}

void CliReport::last(const QString &text)
{
    wipeProgress();
    io_.err.flush();
    io_.out << text << Qt::endl;
}

void CliReport::stop(const QString &text)
{
    wipeProgress();
    io_.err << text << Qt::endl;
    io_.out.flush();
    io_.out.resetStatus();
}

void CliReport::wipeProgress()
{
    if (!progressShown_)
        return;
    io_.err << WipeLine << Qt::flush;
    progressShown_ = false;
}
