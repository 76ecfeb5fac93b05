#include "cli/RenameCommand.h"

#include "cli/ReportFlush.h"
#include "rename/CarryOutPlan.h"
#include "rename/ClockShift.h"
#include "rename/RenameMessages.h"
#include "services/FolderListing.h"
#include "services/ImageTypes.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTextStream>

#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const Usage =
    "Aufruf: fotlex-cli rename [--dry-run] [--file-times] "
    "[--freeze \"YYYY:MM:DD HH:MM:SS\"] [--burst] [--shift [+|-]HH:MM[:SS]] "
    "[--no-companions] PFAD...";

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
            parsed.options.frozenTime = CaptureTime::FromExifText(arguments.at(i));
            if (!parsed.options.frozenTime) {
                parsed.error = QStringLiteral("Keine gültige Zeit für --freeze: \"%1\"")
                                   .arg(arguments.at(i));
                return parsed;
            }
        } else if (arg == QLatin1String("--burst")) {
            parsed.options.burst = true;
        } else if (arg == QLatin1String("--no-companions")) {
            parsed.options.companions = false;
        } else if (arg == QLatin1String("--shift")) {
            const std::optional<qint64> shift =
                ++i < arguments.size() ? ParseClockShift(arguments.at(i)) : std::nullopt;
            if (!shift) {
                parsed.error = QStringLiteral("Kein gültiger Versatz für --shift: \"%1\" "
                                              "(erwartet [+|-]HH:MM[:SS])")
                                   .arg(arguments.value(i));
                return parsed;
            }
            parsed.options.shiftSeconds = *shift;
        } else {
            parsed.error = QStringLiteral("Unbekannte Option: %1").arg(arg);
            return parsed;
        }
    }
    if (parsed.error.isEmpty() && parsed.paths.isEmpty())
        parsed.error = QStringLiteral("Kein Pfad angegeben.");
    return parsed;
}

RenameOutcome Decided(const QString &path, RenameStatus status, RenameReason reason)
{
    RenameOutcome outcome;
    outcome.oldPath = path;
    outcome.status = status;
    outcome.reason = reason;
    return outcome;
}

// The jobs of the PATHs in order, each file once however often it is named
// (a folder and a file in it, "d" and "./d/").
class ItemList
{
public:
    // A folder PATH stands for its listed image files in list order; any
    // other PATH for itself. Folder texts keep the user's spelling, plus a
    // separator.
    void add(const QString &path)
    {
        struct stat st {};
        if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
            // Qt turns bytes that are no UTF-8 into U+FFFD, so such a name
            // typed on the command line cannot be found by its text.
            const bool notUtf8 = path.contains(QChar::ReplacementCharacter);
            RenameOutcome outcome = Decided(path, notUtf8 ? RenameStatus::Skipped : RenameStatus::Failed,
                                            notUtf8 ? RenameReason::NameNotUtf8 : RenameReason::Missing);
            outcome.system = {errno};
            items_.push_back({{}, {}, outcome});
            return;
        }
        if (S_ISDIR(st.st_mode)) {
            addFolder(path);
            return;
        }
        const qsizetype slash = path.lastIndexOf(u'/');
        const QString name = path.mid(slash + 1);
        if (!IsImageFileName(name))
            items_.push_back({{}, {}, Decided(path, RenameStatus::Skipped, RenameReason::NotAnImage)});
        else
            addFile(path.left(slash + 1), name);
    }

    const std::vector<RenameJob> &items() const { return items_; }
    const QHash<QString, QStringList> &listed() const { return listed_; }

private:
    void addFolder(const QString &path)
    {
        bool ok = false;
        QStringList notUtf8;
        QStringList entries;
        const QStringList names = ListMatchingFiles(path, ImagePattern(), &ok, &notUtf8, &entries);
        if (!ok) {
            RenameOutcome failed = Decided(path, RenameStatus::Failed, RenameReason::FolderUnreadable);
            FolderNames::read(path, failed.system);
            items_.push_back({{}, {}, failed});
            return;
        }
        const QString folder = path.endsWith(u'/') ? path : path + u'/';
        listed_.insert(folder, entries);
        QSet<QString> &seen = seenIn(folder);
        seen.reserve(seen.size() + names.size() + notUtf8.size());
        for (const QString &name : names) {
            if (firstTime(seen, name))
                items_.push_back({folder, name, std::nullopt});
        }
        for (const QString &name : notUtf8) {
            if (firstTime(seen, name))
                items_.push_back({{}, {}, Decided(folder + name, RenameStatus::Skipped, RenameReason::NameNotUtf8)});
        }
    }

    void addFile(const QString &folder, const QString &name)
    {
        if (firstTime(seenIn(folder), name))
            items_.push_back({folder, name, std::nullopt});
    }

    // The names already taken in the folder, by its canonical path.
    QSet<QString> &seenIn(const QString &folder) { return seen_[canonicalFolder(folder)]; }

    static bool firstTime(QSet<QString> &seen, const QString &name)
    {
        const qsizetype before = seen.size();
        seen.insert(name);
        return seen.size() != before;
    }

    QString canonicalFolder(const QString &folder)
    {
        auto known = canonical_.constFind(folder);
        if (known == canonical_.constEnd()) {
            const QFileInfo info(folder.isEmpty() ? QStringLiteral(".") : folder);
            const QString path = info.canonicalFilePath();
            known = canonical_.insert(folder, (path.isEmpty() ? info.absoluteFilePath() : path) + u'/');
        }
        return known.value();
    }

    std::vector<RenameJob> items_;
    // Every entry of each folder listed, so that the batch need not list it again.
    QHash<QString, QStringList> listed_;
    QHash<QString, QString> canonical_;
    QHash<QString, QSet<QString>> seen_;
};

// "\r123 von 20000 Dateien" on a terminal, wiped before the next report
// line so that the two never share a line.
class ProgressLine
{
public:
    ProgressLine(QTextStream &err, bool enabled) : err_(err), enabled_(enabled) {}

    void show(int done, int total)
    {
        if (!enabled_)
            return;
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

    ItemList list;
    for (const QString &path : parsed.paths)
        list.add(path);

    RenameCounts counts;
    ProgressLine progress(err, progressOnErr);
    // The progress line is redrawn after each flush of the lines.
    ReportFlush flush(out);
    RunBatchRename(list.items(), parsed.options, [&](const RenameOutcome &outcome, int done, int total) {
        counts.add(outcome);
        progress.wipe();
        out << RenameOutcomeLine(outcome) << '\n';
        if (flush.due())
            progress.show(done, total);
        return true;
    }, list.listed());
    progress.wipe();
    out << RenameSummaryLine(counts, parsed.options.dryRun) << Qt::endl;
    return counts.allWell() ? 0 : 1;
}

int RunRename(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    return RenameCommand(arguments, out, err, isatty(STDERR_FILENO) == 1);
}
