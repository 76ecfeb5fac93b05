#include "rename/UndoBatch.h"

#include "rename/BatchRename.h"
#include "rename/MadeFolders.h"
#include "rename/ShotFiles.h"
#include "services/FileTime.h"

#include <QHash>

#include <algorithm>
#include <cerrno>

namespace {

// Where a journaled file is found.
enum class Found {
    AlreadyBack,   // under its old name, or its times back: nothing to do
    ToRestore,     // under its new name
    SecondName,    // under both: a link fallback cut between its link and its unlink
    Vanished,
    OtherFile,
};

struct Step
{
    const JournalIntent *intent = nullptr;
    Found found = Found::Vanished;
    UndoOutcome outcome;
    FileIdentity now;  // of the file under its new name, when there
    bool restoreTimes = false;
};

using ShotSteps = std::vector<Step>;

// A symbolic link's times were never set: the batch left its target alone.
FileOpResult RestoreTimes(const QString &path, const FileIdentity &old)
{
    errno = 0;
    switch (SetFileTimes(path, TimespecOf(old.accessNs), TimespecOf(old.modifiedNs))) {
    case FileTimeResult::Set:
    case FileTimeResult::SymbolicLink: return {};
    case FileTimeResult::Failed: return {errno};
    case FileTimeResult::NoFile: return {ENOENT};
    case FileTimeResult::OutOfRange: return {ERANGE};
    }
    return {};
}

// The photo the journal recorded: untouched since, or else the same capture
// time and camera read back from it.
bool IsSamePhoto(const JournalIntent &intent, const QString &path, const FileIdentity &now)
{
    if (IsUnchangedFile(intent.identity, intent.stampedNs, path, now))
        return true;
    if (!intent.captured)
        return false;
    const qsizetype slash = path.lastIndexOf(u'/');
    const TimeRead read = ReadCaptureTime(path.left(slash + 1), path.mid(slash + 1));
    return read.outcome.time == intent.captured && read.camera == intent.camera;
}

class UndoRunner
{
public:
    UndoRunner(int number, const std::function<void(const UndoOutcome &)> &progress)
        : journal_(JournalKind::Undo, number), progress_(progress)
    {
    }

    void run(const std::vector<JournalIntent> &intents, UndoRun &result)
    {
        std::vector<std::vector<const JournalIntent *>> shots;
        QHash<int, size_t> shotIndex;
        for (const JournalIntent &intent : intents) {
            const auto it = shotIndex.constFind(intent.shot);
            if (it != shotIndex.constEnd()) {
                shots[it.value()].push_back(&intent);
            } else {
                shotIndex.insert(intent.shot, shots.size());
                shots.push_back({&intent});
            }
        }
        for (auto shot = shots.rbegin(); shot != shots.rend(); ++shot) {
            plan(*shot);
            if (journal_.due())
                carryOut(result);
        }
        carryOut(result);
        journal_.finish(restored_);
    }

private:
    // One look under the new name for a file found there; the old name is
    // looked at only for one that is not (a name taken since is met by the
    // rename, which never replaces).
    static Step classify(const JournalIntent &intent)
    {
        Step step;
        step.intent = &intent;
        step.outcome.newPath = intent.folder + intent.to;
        step.outcome.oldPath = intent.folder + intent.from;
        const bool timesOnly = intent.from == intent.to;
        FileOpResult error;
        const std::optional<FileIdentity> now = StatFileIdentity(step.outcome.newPath, error);
        step.now = now.value_or(intent.identity);
        std::optional<FileIdentity> old;
        const auto lookBack = [&] {
            if (!timesOnly && !old)
                old = StatFileIdentity(step.outcome.oldPath, error);
            return old.has_value();
        };
        if (now && intent.linked && lookBack() && old->device == now->device && old->inode == now->inode) {
            step.found = Found::SecondName;
        } else if (now && IsSamePhoto(intent, step.outcome.newPath, *now)) {
            // Times are put back only where the file still holds the ones the
            // batch gave it: an edit since has given it newer ones.
            step.restoreTimes = intent.stampedNs != 0 && WithinTwoSeconds(now->modifiedNs, intent.stampedNs);
            step.found = timesOnly && !step.restoreTimes ? Found::AlreadyBack : Found::ToRestore;
        } else if (lookBack() && IsSamePhoto(intent, step.outcome.oldPath, *old)) {
            step.found = Found::AlreadyBack;
        } else {
            step.found = now ? Found::OtherFile : Found::Vanished;
        }
        return step;
    }

    void plan(const std::vector<const JournalIntent *> &shot)
    {
        ShotSteps steps;
        for (auto it = shot.rbegin(); it != shot.rend(); ++it)
            steps.push_back(classify(**it));
        // A companion rewritten since (a raw developer's .xmp) goes with its photo.
        const bool photoFound = std::any_of(steps.begin(), steps.end(), [](const Step &step) {
            return step.intent->captured && step.found != Found::Vanished && step.found != Found::OtherFile;
        });
        for (Step &step : steps) {
            if (photoFound && step.found == Found::OtherFile && !step.intent->captured && IsCompanionName(step.intent->to))
                step.found = Found::ToRestore;
        }
        const Step *blocker = nullptr;
        for (Step &step : steps) {
            if (step.found == Found::Vanished || step.found == Found::OtherFile) {
                step.outcome.status = UndoStatus::Skipped;
                step.outcome.reason = step.found == Found::Vanished ? UndoReason::Vanished : UndoReason::OtherFile;
            }
            if (!blocker && step.found == Found::OtherFile)
                blocker = &step;
        }
        for (Step &step : steps) {
            if (step.found != Found::ToRestore && step.found != Found::SecondName)
                continue;
            if (!blocker) {
                record(step);
                continue;
            }
            step.outcome.status = UndoStatus::Skipped;
            step.outcome.reason = UndoReason::ShotStays;
            step.outcome.blockedBy = std::make_shared<UndoOutcome>(blocker->outcome);
        }
        planned_.push_back(std::move(steps));
    }

    // The step in the undo's own journal, so that an undo of this undo
    // renames the file again.
    void record(const Step &step)
    {
        const JournalIntent &intent = *step.intent;
        FileIdentity identity = step.now;
        if (IsUnchangedFile(intent.identity, intent.stampedNs, step.outcome.newPath, identity))
            identity.headHash = intent.identity.headHash;
        journal_.add({intent.folder, intent.to, intent.from, intent.shot, identity,
                      step.restoreTimes ? intent.identity.modifiedNs : 0, intent.captured, intent.camera});
    }

    void carryOut(UndoRun &result)
    {
        const FileOpResult written = journal_.flush();
        for (ShotSteps &steps : planned_) {
            undoShot(steps, written);
            for (Step &step : steps) {
                if (step.found == Found::AlreadyBack)
                    continue;
                if (progress_)
                    progress_(step.outcome);
                result.outcomes.push_back(std::move(step.outcome));
            }
        }
        planned_.clear();
    }

    std::function<FileOpResult()> noteLink(const Step &step)
    {
        return [this, &step] { return journal_.noteLink({step.intent->folder, step.intent->to, step.intent->from}); };
    }

    // Undoing an undo puts files back into folders the undo removed.
    FileOpResult makeFolders(const JournalIntent &intent)
    {
        const QString relative = intent.from.left(intent.from.lastIndexOf(u'/') + 1);
        if (relative.isEmpty())
            return {};
        return MakeFolders(intent.folder, relative, [this](const QString &folder) {
            return journal_.noteMadeFolder({folder});
        });
    }

    // Renames the shot's files back, all or none; then their times.
    void undoShot(ShotSteps &steps, const FileOpResult &written)
    {
        const auto moving = [](const Step &step) {
            return step.outcome.status == UndoStatus::Restored && step.found != Found::AlreadyBack;
        };
        const auto leave = [](Step &step, UndoStatus status, UndoReason reason, const FileOpResult &system,
                              std::shared_ptr<const UndoOutcome> blockedBy = {}) {
            step.outcome.status = status;
            step.outcome.reason = reason;
            step.outcome.system = system;
            step.outcome.blockedBy = std::move(blockedBy);
        };
        if (!written.ok()) {
            for (Step &step : steps) {
                if (moving(step))
                    leave(step, UndoStatus::Failed, UndoReason::NotJournaled, written);
            }
            return;
        }
        std::vector<Step *> moved;
        for (Step &step : steps) {
            if (!moving(step) || step.intent->from == step.intent->to)
                continue;
            UndoOutcome &outcome = step.outcome;
            outcome.system = step.found == Found::SecondName ? DropSecondName(outcome.oldPath, outcome.newPath)
                                                             : makeFolders(*step.intent);
            if (outcome.system.ok() && step.found != Found::SecondName)
                outcome.system = SafeRename(outcome.newPath, outcome.oldPath, noteLink(step));
            if (outcome.system.ok()) {
                moved.push_back(&step);
                continue;
            }
            // A name taken since the look, or a refusal: the shot stays whole.
            const bool taken = outcome.system.error == EEXIST;
            leave(step, taken ? UndoStatus::Skipped : UndoStatus::Failed,
                  taken ? UndoReason::OldNameTaken : UndoReason::RenameRefused, outcome.system);
            const auto blocker = std::make_shared<UndoOutcome>(outcome);
            for (Step *back : moved) {
                if (back->found != Found::SecondName
                    && SafeRename(back->outcome.oldPath, back->outcome.newPath, noteLink(*back)).ok())
                    leave(*back, UndoStatus::Skipped, UndoReason::ShotStays, {}, blocker);
            }
            for (Step &other : steps) {
                if (moving(other) && &other != &step && std::find(moved.begin(), moved.end(), &other) == moved.end())
                    leave(other, UndoStatus::Skipped, UndoReason::ShotStays, {}, blocker);
            }
            break;
        }
        for (Step &step : steps) {
            if (!moving(step))
                continue;
            ++restored_;
            if (!step.restoreTimes)
                continue;
            step.outcome.system = RestoreTimes(step.outcome.oldPath, step.intent->identity);
            if (!step.outcome.system.ok()) {
                step.outcome.status = UndoStatus::Failed;
                step.outcome.reason = UndoReason::TimesNotRestored;
            }
        }
    }

    JournalWriter journal_;
    const std::function<void(const UndoOutcome &)> &progress_;
    std::vector<ShotSteps> planned_;
    int restored_ = 0;
};

} // namespace

bool UndoRun::allWell() const
{
    return problem.ok() && std::all_of(outcomes.begin(), outcomes.end(), [](const UndoOutcome &outcome) {
               return outcome.status == UndoStatus::Restored;
           });
}

std::optional<JournalInfo> NewestUndoable()
{
    const std::vector<JournalInfo> journals = ListJournals();
    for (auto it = journals.rbegin(); it != journals.rend(); ++it) {
        if (it->kind == JournalKind::Rename && !it->undone && it->changedAnything())
            return *it;
    }
    return std::nullopt;
}

UndoRun UndoBatch(int number, const std::function<void(const UndoOutcome &)> &progress)
{
    UndoRun result;
    const JournalReader reader(number);
    result.problem = reader.problem();
    if (result.refused())
        return result;
    UndoRunner(number, progress).run(reader.intents(), result);
    result.keptFolders = RemoveEmptyFolders(reader.madeFolders());
    return result;
}
