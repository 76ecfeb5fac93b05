#include "cli/RenameCommand.h"

#include "app/BatchRename.h"
#include "app/RenameMessages.h"
#include "app/RenamePlan.h"
#include "services/FolderListing.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

namespace {

const char *const Usage =
    "Aufruf: fotlex-cli rename [--dry-run] [--file-times] "
    "[--freeze \"YYYY:MM:DD HH:MM:SS\"] PFAD...";

struct Arguments
{
    RenameOptions options;
    QStringList paths;
    QString error;
};

Arguments Parse(const QStringList &arguments)
{
    Arguments parsed;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (optionsEnded || !arg.startsWith(u'-') || arg == QLatin1String("-")) {
            parsed.paths << arg;
        } else if (arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (arg == QLatin1String("--dry-run")) {
            parsed.options.dryRun = true;
        } else if (arg == QLatin1String("--file-times")) {
            parsed.options.fileTimes = true;
        } else if (arg == QLatin1String("--freeze")) {
            if (++i == arguments.size()) {
                parsed.error = QStringLiteral("--freeze braucht eine Zeit.");
                return parsed;
            }
            parsed.options.frozenTime = ExifTimeFromText(arguments.at(i));
            if (!IsRealExifTime(parsed.options.frozenTime)) {
                parsed.error = QStringLiteral("Keine gültige Zeit für --freeze: \"%1\"")
                                   .arg(arguments.at(i));
                return parsed;
            }
        } else {
            parsed.error = QStringLiteral("Unbekannte Option: %1").arg(arg);
            return parsed;
        }
    }
    if (parsed.error.isEmpty() && parsed.paths.isEmpty())
        parsed.error = QStringLiteral("Kein Pfad angegeben.");
    return parsed;
}

// A folder PATH stands for its listed image files in list order; any other
// PATH for itself. Folder texts keep the user's spelling, plus a separator.
std::vector<RenameJob> JobsOf(const QString &path, std::vector<RenameOutcome> &unlisted)
{
    std::vector<RenameJob> jobs;
    if (QFileInfo(path).isDir()) {
        QString folder = path;
        if (!folder.endsWith(u'/'))
            folder += u'/';
        bool ok = false;
        const QStringList names = ListMatchingFiles(path, ImagePattern, &ok);
        if (!ok) {
            RenameOutcome outcome;
            outcome.oldPath = path;
            outcome.status = RenameStatus::Failed;
            outcome.reason = RenameReason::FolderUnreadable;
            FolderNames::read(path, outcome.system);
            unlisted.push_back(outcome);
            return jobs;
        }
        jobs.reserve(names.size());
        for (const QString &name : names)
            jobs.push_back({folder, name});
        return jobs;
    }
    const qsizetype slash = path.lastIndexOf(u'/');
    jobs.push_back({path.left(slash + 1), path.mid(slash + 1)});
    return jobs;
}

// "\r123 von 20000 Dateien" on a terminal, redrawn at most ten times a second
// and wiped before each report line so that the two never share a line.
class ProgressLine
{
public:
    ProgressLine(QTextStream &err, bool enabled) : err_(err), enabled_(enabled) { clock_.start(); }

    void show(int done, int total)
    {
        if (!enabled_ || (shown_ && clock_.elapsed() < 100))
            return;
        clock_.restart();
        err_ << "\r\x1b[K" << done << " von " << total << " Dateien" << Qt::flush;
        shown_ = true;
    }

    void wipe()
    {
        if (!shown_)
            return;
        err_ << "\r\x1b[K" << Qt::flush;
        shown_ = false;
    }

private:
    QTextStream &err_;
    bool enabled_;
    bool shown_ = false;
    QElapsedTimer clock_;
};

} // namespace

int RenameCommand(const QStringList &arguments, QTextStream &out, QTextStream &err,
                  bool progressOnErr)
{
    const Arguments parsed = Parse(arguments);
    if (!parsed.error.isEmpty()) {
        err << parsed.error << '\n' << Usage << Qt::endl;
        return 2;
    }

    std::vector<RenameOutcome> unlisted;
    std::vector<RenameJob> jobs;
    for (const QString &path : parsed.paths) {
        std::vector<RenameJob> more = JobsOf(path, unlisted);
        jobs.insert(jobs.end(), more.begin(), more.end());
    }

    int renamed = 0, skipped = 0, failed = 0;
    ProgressLine progress(err, progressOnErr);
    const auto report = [&](const RenameOutcome &outcome) {
        switch (outcome.status) {
        case RenameStatus::Renamed: ++renamed; break;
        case RenameStatus::Skipped: ++skipped; break;
        case RenameStatus::Failed: ++failed; break;
        }
        if (progressOnErr) {
            progress.wipe();
            out << RenameOutcomeLine(outcome) << Qt::endl;
        } else {
            out << RenameOutcomeLine(outcome) << '\n';
        }
    };
    for (const RenameOutcome &outcome : unlisted)
        report(outcome);
    RunBatchRename(jobs, parsed.options, [&](const RenameOutcome &outcome, int done, int total) {
        report(outcome);
        progress.show(done, total);
        return true;
    });
    progress.wipe();
    out << RenameSummaryLine(renamed, skipped, failed) << Qt::endl;
    return failed == 0 ? 0 : 1;
}

int RenameCommand(const QStringList &arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RenameCommand(arguments, out, err, isatty(STDERR_FILENO) == 1);
}
