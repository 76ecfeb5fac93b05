#include "cli/RenameCommand.h"

#include "rename/BatchRename.h"
#include "rename/RenameMessages.h"
#include "rename/RenamePlan.h"
#include "services/FolderListing.h"
#include "services/ImageTypes.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>

#include <optional>
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

// One file to handle, or the outcome already known without touching it.
struct Item
{
    RenameJob job;
    std::optional<RenameOutcome> decided;
};

RenameOutcome Decided(const QString &path, RenameStatus status, RenameReason reason)
{
    RenameOutcome outcome;
    outcome.oldPath = path;
    outcome.status = status;
    outcome.reason = reason;
    return outcome;
}

// A folder PATH stands for its listed image files in list order; any other
// PATH for itself. Folder texts keep the user's spelling, plus a separator.
void AddItems(const QString &path, std::vector<Item> &items)
{
    if (QFileInfo(path).isDir()) {
        bool ok = false;
        const QStringList names = ListMatchingFiles(path, ImagePattern(), &ok);
        if (!ok) {
            RenameOutcome failed =
                Decided(path, RenameStatus::Failed, RenameReason::FolderUnreadable);
            FolderNames::read(path, failed.system);
            items.push_back({{}, failed});
            return;
        }
        const QString folder = path.endsWith(u'/') ? path : path + u'/';
        for (const QString &name : names)
            items.push_back({{folder, name}, std::nullopt});
        return;
    }
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString name = path.mid(slash + 1);
    if (!IsImageFileName(name))
        items.push_back({{}, Decided(path, RenameStatus::Skipped, RenameReason::NotAnImage)});
    else
        items.push_back({{path.left(slash + 1), name}, std::nullopt});
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

    std::vector<Item> items;
    for (const QString &path : parsed.paths)
        AddItems(path, items);

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
    BatchRename batch(parsed.options);
    const int total = int(items.size());
    for (int done = 0; done < total; ++done) {
        const Item &item = items[size_t(done)];
        report(item.decided ? *item.decided : batch.renameFile(item.job.folder, item.job.name));
        progress.show(done + 1, total);
    }
    progress.wipe();
    out << RenameSummaryLine(renamed, skipped, failed) << Qt::endl;
    return failed == 0 ? 0 : 1;
}

int RunRename(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    return RenameCommand(arguments, out, err, isatty(STDERR_FILENO) == 1);
}
