#include "cli/RenameCommand.h"

#include "cli/CliReport.h"
#include "cli/CommandLine.h"
#include "cli/Output.h"
#include "metadata/XmpTimes.h"
#include "rename/CarryOutPlan.h"
#include "rename/ClockShift.h"
#include "rename/RenameMessages.h"
#include "services/FolderListing.h"
#include "services/ImageTypes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <climits>
#include <csignal>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Settings
{
    RenameOptions options;
    ReportDetail detail = ReportDetail::Normal;
    std::optional<QString> pattern;  // checked once the folders are known
};

// Set by Ctrl-C: the batch stops after the shot at hand.
volatile std::sig_atomic_t Interrupted = 0;

// A first Ctrl-C stops the batch between files, so that no file is left
// half-copied; a second one ends the program at once.
class StopOnInterrupt
{
public:
    StopOnInterrupt()
    {
        Interrupted = 0;
        struct sigaction action {};
        action.sa_handler = [](int) { Interrupted = 1; };
        action.sa_flags = SA_RESETHAND;
        ::sigaction(SIGINT, &action, &old_);
    }
    ~StopOnInterrupt() { ::sigaction(SIGINT, &old_, nullptr); }
    StopOnInterrupt(const StopOnInterrupt &) = delete;
    StopOnInterrupt &operator=(const StopOnInterrupt &) = delete;

private:
    struct sigaction old_ {};
};

// Why `folder` cannot take the photos, or nothing.
QString TargetFolderProblem(const QString &folder)
{
    struct stat st {};
    const QByteArray path = QFile::encodeName(folder);
    if (::stat(path.constData(), &st) != 0)
        return CliText::tr("Zielordner \"%1\": %2").arg(folder, FileOpResult{errno}.reason());
    if (!S_ISDIR(st.st_mode))
        return CliText::tr("Zielordner \"%1\" ist kein Ordner").arg(folder);
    if (::access(path.constData(), W_OK | X_OK) != 0)
        return CliText::tr("Zielordner \"%1\" ist nicht beschreibbar: %2").arg(folder, FileOpResult{errno}.reason());
    return {};
}

// "[+|-]HH:MM", the sign optional, as minutes east of UTC.
std::optional<int> ParseZone(const QString &text)
{
    return ParseUtcOffset(text.startsWith(u'+') || text.startsWith(u'-') ? text : u'+' + text);
}

// Each option in one entry: names, value, help, and what it sets.
const CliOption<Settings> Options[] = {
    {{"n", "dry-run"}, nullptr, QT_TRANSLATE_NOOP("CliText", "nichts ändern, nur zeigen, was geschähe"),
     [](Settings &s, const QString &) { s.options.dryRun = true; return true; }},
    {{"file-times"}, nullptr, QT_TRANSLATE_NOOP("CliText", "die Dateizeiten auf die Aufnahmezeit setzen"),
     [](Settings &s, const QString &) { s.options.fileTimes = true; return true; }},
    {{"freeze"}, QT_TRANSLATE_NOOP("CliText", "YYYY:MM:DD HH:MM:SS"),
     QT_TRANSLATE_NOOP("CliText", "jeder Datei diese eine Zeit geben, mit einem Buchstaben a bis z"),
     [](Settings &s, const QString &v) { return StoreParsed(s.options.frozenTime, CaptureTime::FromExifText(v)); }},
    {{"burst"}, nullptr,
     QT_TRANSLATE_NOOP("CliText", "Fotos derselben Sekunde bekommen Buchstaben in Aufnahmereihenfolge"),
     [](Settings &s, const QString &) { s.options.burst = true; return true; }},
    {{"shift"}, QT_TRANSLATE_NOOP("CliText", "[+|-]HH:MM[:SS]"),
     QT_TRANSLATE_NOOP("CliText", "jede Aufnahmezeit um diesen Versatz verschieben (eine Kamera, deren Uhr falsch "
                                  "ging; Stunden auch über 24)"),
     [](Settings &s, const QString &v) { return StoreParsed(s.options.shiftSeconds, ParseClockShift(v)); }},
    {{"pattern"}, QT_TRANSLATE_NOOP("CliText", "MUSTER"),
     QT_TRANSLATE_NOOP("CliText", "Namensmuster: %Y %m %d %H %M %S die Aufnahmezeit, %f die Sekundenbruchteile, "
                                  "%n der bisherige Name, %c das Kameramodell, %k der Hersteller, %% ein "
                                  "Prozentzeichen, / ein Unterordner (Vorgabe: %Y-%m-%d - %H-%M-%S)"),
     [](Settings &s, const QString &v) { s.pattern = v; return true; }},
    {{"to"}, QT_TRANSLATE_NOOP("CliText", "ZIEL"),
     QT_TRANSLATE_NOOP("CliText", "die Fotos (mit ihren Begleitdateien) nach dem Muster unterhalb dieses Ordners "
                                  "ablegen statt in ihrem eigenen; Ordner werden durchsucht, auch ihre Unterordner"),
     [](Settings &s, const QString &v) { s.options.targetFolder = v; return !v.isEmpty(); }},
    {{"copy"}, nullptr, QT_TRANSLATE_NOOP("CliText", "mit --to: kopieren statt verschieben"),
     [](Settings &s, const QString &) { s.options.copy = true; return true; }},
    {{"video-tz"}, QT_TRANSLATE_NOOP("CliText", "[+|-]HH:MM"),
     QT_TRANSLATE_NOOP("CliText", "Videos, deren Zeit nur in UTC vorliegt, in dieser Zeitzone benennen (sonst in "
                                  "der des zeitlich nächsten Fotos ihres Ordners)"),
     [](Settings &s, const QString &v) { return StoreParsed(s.options.videoOffsetMinutes, ParseZone(v)); }},
    {{"no-companions"}, nullptr,
     QT_TRANSLATE_NOOP("CliText", "jede Datei für sich umbenennen, ohne Begleitdateien und Aufnahmen"),
     [](Settings &s, const QString &) { s.options.companions = false; return true; }},
    {{"q", "quiet"}, nullptr, QT_TRANSLATE_NOOP("CliText", "nur fehlgeschlagene Dateien und die letzte Zeile zeigen"),
     [](Settings &s, const QString &) { s.detail = ReportDetail::Quiet; return true; }},
    {{"v", "verbose"}, nullptr,
     QT_TRANSLATE_NOOP("CliText", "auch die Aufnahmezeit jeder Datei nennen, nach der sie heißt, und "
                                  "Begleitdateien als solche kennzeichnen"),
     [](Settings &s, const QString &) { s.detail = ReportDetail::Verbose; return true; }},
};

} // namespace

const CliSyntax RenameSyntax{"rename", QT_TRANSLATE_NOOP("CliText", "PFAD..."),
                             QT_TRANSLATE_NOOP("CliText", "ein Ordner (seine Bilder) oder eine Datei"),
                             QT_TRANSLATE_NOOP("CliText", "Fotos nach ihrer Aufnahmezeit umbenennen"),
                             QT_TRANSLATE_NOOP("CliText", "Kein Pfad angegeben.")};

namespace {

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
    // With a library, folders are walked down to their subfolders (hidden
    // ones and the library itself left out).
    explicit ItemList(const QString &library = {}) : recursive_(!library.isEmpty())
    {
        if (recursive_)
            visited_.insert(canonicalFolder(library));
    }

    void add(const QString &path)
    {
        struct stat st {};
        if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !Utf8Folder(path)) {
            // Qt turns bytes that are no UTF-8 into U+FFFD, so such a name
            // typed on the command line cannot be found by its text; nor can
            // a file in a folder of such a name reached through ".".
            const bool notUtf8 = path.contains(QChar::ReplacementCharacter) || !Utf8Folder(path);
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

    // True when the folder's whole path, as the journal writes it, is UTF-8.
    static bool Utf8Folder(const QString &path)
    {
        if (path.startsWith(u'/'))
            return !path.contains(QChar::ReplacementCharacter);
        char here[PATH_MAX];
        return ::getcwd(here, sizeof here) && QByteArrayView(here).isValidUtf8();
    }
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
        // A folder reached twice (a link back up, the library) is walked once.
        if (recursive_ && !firstTime(visited_, canonicalFolder(folder)))
            return;
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
        if (!recursive_)
            return;
        const QStringList subfolders = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString &name : subfolders)
            addFolder(folder + name);
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

    const bool recursive_;
    QSet<QString> visited_;  // canonical folders walked
    std::vector<RenameJob> items_;
    // Every entry of each folder listed, so that the batch need not list it again.
    QHash<QString, QStringList> listed_;
    QHash<QString, QString> canonical_;
    QHash<QString, QSet<QString>> seen_;
};

// A file that kept no file time makes the exit status 1 as a failure does.
LineKind KindOf(const RenameOutcome &outcome)
{
    const bool failed = outcome.status == RenameStatus::Failed || outcome.timesNotSet();
    return failed ? LineKind::Failed : LineKind::Ordinary;
}

// What --verbose adds to a file's line: a companion is named as one, a file
// with a capture time gets that time (shifted, or the frozen one) in ISO
// 8601's order, as undo --list writes its dates.
QString VerboseNote(const RenameOutcome &outcome)
{
    if (outcome.companion)
        return u' ' + CliText::tr("(Begleitdatei)");
    if (!outcome.time || outcome.reason == RenameReason::ShiftOutOfRange)
        return {};
    // Date and time apart: a local QDateTime would move a time in the hour
    // summer time skips.
    const CaptureTime &time = *outcome.time;
    return u' ' + CliText::tr("(Aufnahmezeit %1 %2)").arg(time.date().toString(Qt::ISODate),
                                                           time.time().toString(Qt::ISODate));
}

} // namespace

int RunRename(const QStringList &arguments, const CliStreams &io)
{
    const CliCall<Settings> call = ParseCall<Settings>(RenameSyntax, Options, arguments, io);
    if (call.status)
        return *call.status;

    RenameOptions options = call.settings.options;
    if (options.copy && options.targetFolder.isEmpty())
        return UsageError(RenameSyntax, CliText::tr("--copy geht nur mit --to."), io.err);
    if (!options.targetFolder.isEmpty()) {
        if (const QString problem = TargetFolderProblem(options.targetFolder); !problem.isEmpty())
            return UsageError(RenameSyntax, problem, io.err);
        options.targetFolder = LibraryFolder(options);
    }
    ItemList list(options.targetFolder);
    for (const QString &path : call.operands)
        list.add(path);
    if (call.settings.pattern) {
        auto parsed = PatternForJobs(*call.settings.pattern, list.items(), options.targetFolder);
        if (const auto *error = std::get_if<PatternError>(&parsed))
            return UsageError(RenameSyntax, PatternErrorText(*error, *call.settings.pattern), io.err);
        options.pattern = std::get<NamePattern>(std::move(parsed));
    }

    RenameCounts counts;
    CliReport report(io, call.settings.detail);
    // A report that cannot be written stops the batch after the shot at
    // hand: nobody would learn what the rest did.
    QString lost;
    const StopOnInterrupt interrupt;
    RunBatchRename(list.items(), options, [&](const RenameOutcome &outcome, int done, int total) {
        counts.add(outcome);
        if (!lost.isEmpty() || Interrupted)
            return false;
        QString line = RenameOutcomeLine(outcome);
        if (report.verbose())
            line += VerboseNote(outcome);
        report.line(line, KindOf(outcome), done, total);
        lost = OutputFailureAhead(io.out);
        return lost.isEmpty() && !Interrupted;
    }, list.listed(), [&](qint64 done, qint64 total) { report.bytes(done, total); });
    if (!lost.isEmpty()) {
        report.stop(RenameStoppedText(lost, counts.renamed));
        return 1;
    }
    if (Interrupted) {
        report.stop(RenameInterruptedText(RenameSummaryLine(counts, options.dryRun)));
        return 130;
    }
    report.last(RenameSummaryLine(counts, options.dryRun));
    return counts.allWell() ? 0 : 1;
}
