#include "rename/UndoBatch.h"

#include "rename/BatchRename.h"
#include "rename/MadeFolders.h"
#include "rename/ShotFiles.h"
#include "services/FileTime.h"
#include "services/VerifiedCopy.h"

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
    CopyEdited,    // a copy or moved file in the library no longer holds what was made
    SourceGone,    // a copy whose source no longer holds what was copied: the copy is the one left
};

// Why a file found so stays where the batch put it; nothing for one to take back.
std::optional<UndoReason> StaysFor(Found found)
{
    switch (found) {
    case Found::Vanished: return UndoReason::Vanished;
    case Found::OtherFile: return UndoReason::OtherFile;
    case Found::CopyEdited: return UndoReason::CopyEdited;
    case Found::SourceGone: return UndoReason::SourceGone;
    default: return std::nullopt;
    }
}

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
        step.outcome.newPath = intent.toPath();
        step.outcome.oldPath = intent.fromPath();
        step.outcome.copy = intent.transfer == JournalTransfer::Copy;
        if (intent.transfer == JournalTransfer::Copy)
            return classifyCopy(step);
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
            if (!HoldsMadeContent(intent, step.outcome.newPath)) {
                step.found = Found::CopyEdited;
                return step;
            }
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

    // A copy goes when it still holds what was copied (the hash recorded
    // once it was made; without one, its source's) and its source still
    // holds the same: after the card is wiped, the copy is the only one. A
    // copy never made is nothing to do.
    static Step classifyCopy(Step &step)
    {
        FileOpResult error;
        const uint64_t now = ContentHash(step.outcome.newPath, error);
        if (error.error == ENOENT) {
            step.found = Found::AlreadyBack;
            return step;
        }
        FileOpResult sourceError;
        const uint64_t source = ContentHash(step.outcome.oldPath, sourceError);
        const uint64_t made = step.intent->madeHash.value_or(source);
        if (!sourceError.ok() || source != made)
            step.found = Found::SourceGone;
        else
            step.found = error.ok() && now == made ? Found::ToRestore : Found::CopyEdited;
        return step;
    }

    // A file made in the library by a verified copy still holds its bytes.
    static bool HoldsMadeContent(const JournalIntent &intent, const QString &path)
    {
        if (!intent.madeHash)
            return true;
        FileOpResult error;
        return ContentHash(path, error) == *intent.madeHash && error.ok();
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
            const std::optional<UndoReason> stays = StaysFor(step.found);
            if (stays) {
                step.outcome.status = UndoStatus::Skipped;
                step.outcome.reason = *stays;
            }
            if (!blocker && stays && *stays != UndoReason::Vanished)
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
    // A removed copy is not recorded: its source holds the same.
    void record(const Step &step)
    {
        const JournalIntent &intent = *step.intent;
        if (intent.transfer == JournalTransfer::Copy)
            return;
        FileIdentity identity = step.now;
        if (IsUnchangedFile(intent.identity, intent.stampedNs, step.outcome.newPath, identity))
            identity.headHash = intent.identity.headHash;
        const auto [from, to] = reversed(intent);
        journal_.add({intent.folder, from, to, intent.shot, identity, step.restoreTimes ? intent.identity.modifiedNs : 0,
                      intent.captured, intent.camera, false, intent.transfer, {}});
    }

    // The way back as the undo's journal writes it: a move's paths in full.
    static std::pair<QString, QString> reversed(const JournalIntent &intent)
    {
        if (intent.transfer == JournalTransfer::Move)
            return {intent.toPath(), intent.fromPath()};
        return {intent.to, intent.from};
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
        return [this, &step] {
            const auto [from, to] = reversed(*step.intent);
            return journal_.noteLink({step.intent->folder, from, to});
        };
    }

    // Undoing an undo puts files back into folders the undo removed.
    FileOpResult makeFolders(const JournalIntent &intent)
    {
        // An absolute path (a move back into a library) is made from the root.
        const bool absolute = intent.from.startsWith(u'/');
        const QString relative = intent.from.left(intent.from.lastIndexOf(u'/') + 1).mid(absolute ? 1 : 0);
        if (relative.isEmpty())
            return {};
        return MakeFolders(absolute ? QStringLiteral("/") : intent.folder, relative, [this](const QString &folder) {
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
                outcome.system = moveBack(step, outcome.newPath, outcome.oldPath);
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
                // A removed copy stays removed: its source holds the same.
                if (back->found != Found::SecondName && back->intent->transfer != JournalTransfer::Copy
                    && moveBack(*back, back->outcome.oldPath, back->outcome.newPath).ok())
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

    // A rename back, or for a move out of a library a verified move (a copy
    // back across file systems, then the library's copy removed); a copy
    // in the library is removed.
    FileOpResult moveBack(const Step &step, const QString &from, const QString &to)
    {
        switch (step.intent->transfer) {
        case JournalTransfer::Rename: return SafeRename(from, to, noteLink(step));
        case JournalTransfer::Copy: return RemoveCopy(from);
        case JournalTransfer::Move: break;
        }
        CopyOptions options;
        options.beforeLink = noteLink(step);
        options.noteTemporary = [this](const QString &temporary) {
            return journal_.noteTemporary({temporary});
        };
        const CopyResult moved = VerifiedMove(from, to, options);
        if (moved.hash != 0)
            journal_.noteHash({to, moved.hash});
        return moved.mismatch ? FileOpResult{EIO} : moved.system;
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
    RemoveTemporaries(reader.temporaries());
    result.keptFolders = RemoveEmptyFolders(reader.madeFolders());
    return result;
}
