#include "rename/CarryOutPlan.h"

#include "rename/BlockingQueue.h"
#include "rename/MadeFolders.h"
#include "rename/RenameJournal.h"
#include "services/Paths.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <sys/stat.h>

namespace {

using Unit = std::vector<PlannedFile>;

// Shots whose intents are large enough a batch to sync at once, when the
// journal's own limits have not come first: the renames need not wait long.
constexpr size_t ChunkUnits = 500;

// Shots handed in plan order from the planner to the thread that writes the
// journal, and chunks of them whose intents are on disk from there to the
// one that renames.
using ShotQueue = BlockingQueue<std::vector<Unit>>;

class PlanRun
{
public:
    PlanRun(const RenameOptions &options, int total, ShotQueue &shots, const RenameProgress &progress,
            const CopyProgress &copied)
        : options_(options), total_(total), shots_(shots), progress_(progress), copied_(copied), batch_(options),
          library_(LibraryFolder(options))
    {
        if (library_.isEmpty())
            return;
        absoluteLibrary_ = absoluteFolder(library_);
        struct stat st {};
        if (::stat(QFile::encodeName(library_).constData(), &st) == 0)
            libraryDevice_ = st.st_dev;
    }

    const std::atomic<bool> &stopped() const { return stopped_; }

    std::vector<RenameOutcome> run()
    {
        if (!journaling()) {
            while (std::optional<std::vector<Unit>> shots = shots_.pop()) {
                for (Unit &unit : *shots) {
                    if (!stopped_)
                        carryOutUnit(unit);
                }
            }
            return std::move(outcomes_);
        }
        // The journal runs ahead on a thread of its own: while one chunk of
        // shots is renamed, the next one's intents are checked, written and
        // synced. A chunk is renamed only once it is on disk.
        std::jthread journalThread([this] { writeJournal(); });
        while (std::optional<std::vector<Unit>> chunk = ready_.pop()) {
            for (Unit &unit : *chunk) {
                if (!stopped_)
                    carryOutUnit(unit);
            }
        }
        journalThread.join();
        journal_.finish(changed_);
        return std::move(outcomes_);
    }

private:
    // Undo may run from another working folder.
    const QString &absoluteFolder(const QString &folder)
    {
        auto it = absolute_.find(folder);
        if (it == absolute_.end()) {
            QString path = QFileInfo(folder.isEmpty() ? QStringLiteral(".") : folder).absoluteFilePath();
            it = absolute_.insert(folder, path.endsWith(u'/') ? path : path + u'/');
        }
        return it.value();
    }

    bool journaling() const { return !options_.dryRun; }

    // The path the journal gives `path`: a name in the file's own folder,
    // or an absolute one in the library.
    QString journalName(const PlannedFile &file, const QString &path) const
    {
        if (!library_.isEmpty() && path != file.outcome.oldPath)
            return absoluteLibrary_ + path.mid(library_.size());
        return path.mid(file.outcome.oldPath.lastIndexOf(u'/') + 1);
    }

    // Its times are set to its capture time.
    bool stamps(const PlannedFile &file) const { return options_.fileTimes && !file.outcome.companion; }

    void writeJournal()
    {
        std::vector<Unit> chunk;
        while (std::optional<std::vector<Unit>> shots = shots_.pop()) {
            for (Unit &unit : *shots) {
                if (stopped_)
                    break;
                journalUnit(unit);
                chunk.push_back(std::move(unit));
                if (journal_.due() || chunk.size() >= ChunkUnits)
                    publish(chunk);
            }
        }
        publish(chunk);
        ready_.close();
    }

    // Syncs the chunk's intents and hands the chunk on to be renamed.
    void publish(std::vector<Unit> &chunk)
    {
        const FileOpResult written = journal_.flush();
        if (!written.ok()) {
            for (Unit &unit : chunk)
                failUnit(unit, {}, RenameReason::NotJournaled, written);
        }
        ready_.push(std::move(chunk));
        chunk.clear();
    }

    // Writes the intents of the shot's files that change to the journal's
    // pending chunk; a file that cannot be identified keeps its whole shot
    // where it is, and so does a folder whose path no text can hold.
    void journalUnit(Unit &unit)
    {
        std::vector<JournalIntent> intents;
        for (PlannedFile &file : unit) {
            const RenameOutcome &outcome = file.outcome;
            const bool renamed = outcome.status == RenameStatus::Renamed;
            if (!renamed && (outcome.reason != RenameReason::AlreadyNamed || !stamps(file)))
                continue;
            const QString &oldPath = outcome.oldPath;
            const qsizetype slash = oldPath.lastIndexOf(u'/');
            file.absoluteFolder = absoluteFolder(oldPath.left(slash + 1));
            if (file.absoluteFolder.contains(QChar::ReplacementCharacter)) {
                failUnit(unit, oldPath, RenameReason::NameNotUtf8, {});
                return;
            }
            // The identity read with the capture time stands: a file changed
            // since is told at undo by its capture time and camera.
            FileOpResult error;
            std::optional<FileIdentity> identity = file.identity;
            if (!identity && outcome.companion) {
                identity = ReadFileIdentity(oldPath, error);
            } else if (!identity) {
                // Not read while planned (frozen mode): read now what tells the photo after an edit.
                TimeRead read = ReadCaptureTime(oldPath.left(slash + 1), oldPath.mid(slash + 1));
                identity = read.identity;
                error = read.outcome.system;
                file.captured = read.outcome.time;
                file.camera = read.camera;
            }
            if (!identity) {
                failUnit(unit, oldPath, RenameReason::Unreadable, error);
                return;
            }
            // 0 stands for no stamp: the epoch itself is recorded a nanosecond
            // later, within the two seconds undo allows.
            const int64_t stamped = stamps(file)
                ? std::max<int64_t>(1, NanosecondsOf(outcome.time->instant().time_since_epoch().count()))
                : 0;
            // A file that bears its name and its time already changes nothing;
            // where the head is hashed (FAT and its like) a time is kept in
            // 2-second steps.
            file.timesHeld = !renamed
                && (identity->modifiedNs == stamped
                    || (identity->headHash != 0 && WithinTwoSeconds(identity->modifiedNs, stamped)));
            if (file.timesHeld)
                continue;
            const QString newPath = outcome.newPath.isEmpty() ? oldPath : outcome.newPath;
            JournalIntent intent{file.absoluteFolder, oldPath.mid(slash + 1), journalName(file, newPath), file.unit,
                                 *identity, stamped, file.captured, file.camera, false, JournalTransfer::Rename, {}};
            if (!library_.isEmpty() && renamed) {
                intent.transfer = options_.copy ? JournalTransfer::Copy : JournalTransfer::Move;
                // What is copied: every copy, and a move to another file system.
                if (options_.copy || identity->device != libraryDevice_)
                    copyTotal_ += identity->size;
            }
            intents.push_back(std::move(intent));
        }
        for (const JournalIntent &intent : intents)
            journal_.add(intent);
    }

    static void failUnit(std::vector<PlannedFile> &unit, const QString &culprit, RenameReason reason,
                         const FileOpResult &error)
    {
        for (PlannedFile &file : unit) {
            if (file.outcome.status != RenameStatus::Renamed && file.outcome.oldPath != culprit)
                continue;
            file.outcome.status = RenameStatus::Failed;
            file.outcome.reason = reason;
            file.outcome.system = error;
        }
    }

    // The journal notes a link fallback's link before it is made; the names
    // are made only then, for the fallback is rare.
    std::function<FileOpResult()> noteLink(const PlannedFile &file, const QString &from, const QString &to)
    {
        if (!journaling())
            return {};
        return [this, &file, &from, &to] {
            return journal_.noteLink({file.absoluteFolder, journalName(file, from), journalName(file, to)});
        };
    }

    // Makes the folders the pattern puts the shot's files in, each noted in
    // the journal first; one that cannot be made keeps the shot where it is.
    void makeFolders(std::vector<PlannedFile> &unit)
    {
        for (const PlannedFile &file : unit) {
            const RenameOutcome &outcome = file.outcome;
            const bool toLibrary = !library_.isEmpty();
            const qsizetype start = toLibrary ? library_.size() : outcome.oldPath.lastIndexOf(u'/') + 1;
            const QString relative = outcome.newPath.mid(start, outcome.newPath.lastIndexOf(u'/') + 1 - start);
            const QString &base = toLibrary ? absoluteLibrary_ : file.absoluteFolder;
            if (outcome.status != RenameStatus::Renamed || relative.isEmpty() || !journaling()
                || made_.contains(base + relative))
                continue;
            const FileOpResult made = MakeFolders(base, relative, [this](const QString &folder) {
                return journal_.noteMadeFolder({folder});
            });
            if (!made.ok()) {
                failUnit(unit, {}, RenameReason::RenameRefused, made);
                return;
            }
            made_.insert(base + relative);
        }
    }

    // What a copy or a move into the library tells the journal and the
    // progress on its way.
    CopyOptions copyOptions()
    {
        CopyOptions options;
        if (!journaling())
            return options;
        options.noteTemporary = [this](const QString &temporary) {
            return journal_.noteTemporary({QFileInfo(temporary).absoluteFilePath()});
        };
        if (copied_) {
            options.copied = [this](qint64 bytes) {
                copyDone_ += bytes;
                copied_(copyDone_, std::max<qint64>(copyDone_, copyTotal_));
            };
        }
        return options;
    }

    // Takes a file of a shot back that went into the library.
    FileOpResult takeBack(const PlannedFile &file)
    {
        const RenameOutcome &outcome = file.outcome;
        if (library_.isEmpty())
            return SafeRename(outcome.newPath, outcome.oldPath, noteLink(file, outcome.newPath, outcome.oldPath));
        // A copy verified a moment ago: its source holds the same.
        if (options_.copy)
            return RemoveCopy(outcome.newPath);
        CopyOptions options = copyOptions();
        options.beforeLink = noteLink(file, outcome.newPath, outcome.oldPath);
        return VerifiedMove(outcome.newPath, outcome.oldPath, options).system;
    }

    void carryOutUnit(std::vector<PlannedFile> &unit)
    {
        makeFolders(unit);
        for (size_t i = 0; i < unit.size(); ++i) {
            RenameOutcome &outcome = unit[i].outcome;
            const uint64_t hash = batch_.carryOut(outcome, !outcome.companion && !unit[i].timesHeld,
                                                  noteLink(unit[i], outcome.oldPath, outcome.newPath),
                                                  library_.isEmpty() ? CopyOptions() : copyOptions());
            if (hash != 0 && journaling())
                journal_.noteHash({absoluteLibrary_ + outcome.newPath.mid(library_.size()), hash});
            if (outcome.reason != RenameReason::RenameRefused && outcome.reason != RenameReason::CopyDiffers)
                continue;
            // Put back what already moved, so the shot stays whole: the
            // files before this one all were renamed.
            for (size_t j = 0; j < unit.size(); ++j) {
                RenameOutcome &other = unit[j].outcome;
                if (j == i || other.status != RenameStatus::Renamed || (j < i && !takeBack(unit[j]).ok()))
                    continue;
                other.status = RenameStatus::Failed;
                other.reason = RenameReason::RenameRefused;
                other.system = outcome.system;
            }
            break;
        }
        for (PlannedFile &file : unit) {
            const RenameOutcome &outcome = file.outcome;
            const bool stamped = outcome.reason == RenameReason::AlreadyNamed && stamps(file) && !file.timesHeld
                && outcome.timeResult == FileTimeResult::Set;
            changed_ += outcome.status == RenameStatus::Renamed || stamped;
            outcomes_.push_back(std::move(file.outcome));
            if (progress_ && !progress_(outcomes_.back(), int(outcomes_.size()), total_))
                stopped_ = true;
        }
    }

    const RenameOptions &options_;
    const int total_;
    // Read by the journal thread, or by the renaming one in a dry run.
    ShotQueue &shots_;
    const RenameProgress &progress_;
    const CopyProgress &copied_;
    BatchRename batch_;
    // The target folder as given (ends in a separator) and as the journal
    // has it, or empty.
    const QString library_;
    QString absoluteLibrary_;
    dev_t libraryDevice_ = 0;
    // Bytes to copy, as the journal thread learns of them, and copied.
    std::atomic<qint64> copyTotal_ = 0;
    qint64 copyDone_ = 0;
    // Written by the journal thread only, until it has ended; the renaming
    // thread only notes links in it.
    JournalWriter journal_{JournalKind::Rename};
    QHash<QString, QString> absolute_;
    // The renaming thread's: folders known to be there.
    QSet<QString> made_;
    ShotQueue ready_;
    // The renaming thread's.
    std::vector<RenameOutcome> outcomes_;
    int changed_ = 0;
    std::atomic<bool> stopped_ = false;
};

} // namespace

std::vector<RenameOutcome> CarryOutPlan(const BatchPlan &plan, const RenameProgress &progress,
                                        const CopyProgress &copied)
{
    ShotQueue shots;
    std::vector<Unit> all;
    for (const PlannedFile &file : plan.files) {
        if (all.empty() || all.back().front().unit != file.unit)
            all.emplace_back();
        all.back().push_back(file);
    }
    shots.push(std::move(all));
    shots.close();
    return PlanRun(plan.options, int(plan.files.size()), shots, progress, copied).run();
}

std::vector<RenameOutcome> RunBatchRename(const std::vector<RenameJob> &jobs, const RenameOptions &options,
                                          const RenameProgress &progress, const FolderEntryLists &listed,
                                          const CopyProgress &copied)
{
    auto planner = std::make_unique<BatchPlanner>(jobs, options, listed);
    ShotQueue shots;
    PlanRun run(options, planner->fileCount(), shots, progress, copied);
    // The first shots are renamed while later times are still read.
    std::jthread planning([&] {
        constexpr size_t HandOn = 64;
        std::vector<Unit> decided;
        planner->decide([&](std::vector<PlannedFile> &&shot) {
            decided.push_back(std::move(shot));
            if (decided.size() >= HandOn) {
                shots.push(std::move(decided));
                decided.clear();
            }
        }, run.stopped());
        shots.push(std::move(decided));
        shots.close();
        // Its tables go here, not on the thread the renames wait for.
        planner.reset();
    });
    return run.run();
}
