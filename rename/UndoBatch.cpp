#include "rename/UndoBatch.h"

#include "services/FileTime.h"

#include <QFile>

#include <cerrno>

namespace {

// What to do for one intent, decided before the undo's journal chunk is written.
struct Step
{
    UndoOutcome outcome;
    const JournalIntent *intent = nullptr;
    bool rename = false;
};

// A symbolic link's times were never set: the batch left its target alone.
FileOpResult RestoreTimes(const QString &path, const FileIdentity &old)
{
    // Before 1970 the fraction still counts forwards from a whole second.
    const auto timeOf = [](int64_t ns) {
        const int64_t rest = ns % 1000000000;
        return rest < 0 ? timespec{time_t(ns / 1000000000 - 1), long(rest + 1000000000)}
                        : timespec{time_t(ns / 1000000000), long(rest)};
    };
    errno = 0;
    switch (SetFileTimes(path, timeOf(old.accessNs), timeOf(old.modifiedNs))) {
    case FileTimeResult::Set:
    case FileTimeResult::SymbolicLink: return {};
    case FileTimeResult::Failed: return {errno};
    case FileTimeResult::NoFile: return {ENOENT};
    case FileTimeResult::OutOfRange: return {ERANGE};
    }
    return {};
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
        for (auto it = intents.rbegin(); it != intents.rend(); ++it) {
            plan(*it);
            if (journal_.due())
                carryOut(result);
        }
        carryOut(result);
        journal_.finish();
    }

private:
    bool identified(const JournalIntent &intent, const QString &path, FileIdentity &now) const
    {
        FileOpResult error;
        const std::optional<FileIdentity> read = ReadFileIdentity(path, false, error);
        if (!read)
            return false;
        now = *read;
        return IsSameFile(intent.identity, intent.stampedNs, path, now);
    }

    void plan(const JournalIntent &intent)
    {
        Step step;
        step.intent = &intent;
        step.outcome.newPath = intent.folder + intent.to;
        step.outcome.oldPath = intent.folder + intent.from;
        FileIdentity now;
        const bool timesOnly = intent.from == intent.to;
        if (!timesOnly && identified(intent, step.outcome.oldPath, now))
            return;  // never renamed, or already back
        if (!identified(intent, step.outcome.newPath, now)) {
            step.outcome.status = UndoStatus::Skipped;
            step.outcome.reason = QFile::exists(step.outcome.newPath) ? UndoReason::OtherFile
                                                                       : UndoReason::NameGone;
            steps_.push_back(step);
            return;
        }
        step.rename = !timesOnly;
        // The same file as recorded: its head is the recorded one.
        now.headHash = intent.identity.headHash;
        journal_.add({intent.folder, intent.to, intent.from, now,
                      intent.stampedNs != 0 ? intent.identity.modifiedNs : 0});
        steps_.push_back(step);
    }

    void carryOut(UndoRun &result)
    {
        const FileOpResult written = journal_.flush();
        for (Step &step : steps_) {
            UndoOutcome &outcome = step.outcome;
            if (outcome.status == UndoStatus::Restored && !written.ok()) {
                outcome.status = UndoStatus::Failed;
                outcome.reason = UndoReason::NotJournaled;
                outcome.system = written;
            } else if (outcome.status == UndoStatus::Restored) {
                undo(step);
            }
            if (progress_)
                progress_(outcome);
            result.outcomes.push_back(std::move(outcome));
        }
        steps_.clear();
    }

    static void undo(Step &step)
    {
        UndoOutcome &outcome = step.outcome;
        if (step.rename) {
            outcome.system = SafeRename(outcome.newPath, outcome.oldPath);
            if (outcome.system.error == EEXIST) {
                outcome.status = UndoStatus::Skipped;
                outcome.reason = UndoReason::OldNameTaken;
                return;
            }
            if (!outcome.system.ok()) {
                outcome.status = UndoStatus::Failed;
                outcome.reason = UndoReason::RenameRefused;
                return;
            }
        }
        if (step.intent->stampedNs == 0)
            return;
        outcome.system = RestoreTimes(outcome.oldPath, step.intent->identity);
        if (!outcome.system.ok()) {
            outcome.status = UndoStatus::Failed;
            outcome.reason = UndoReason::TimesNotRestored;
        }
    }

    JournalWriter journal_;
    const std::function<void(const UndoOutcome &)> &progress_;
    std::vector<Step> steps_;
};

} // namespace

std::optional<JournalInfo> NewestUndoable()
{
    const std::vector<JournalInfo> journals = ListJournals();
    for (auto it = journals.rbegin(); it != journals.rend(); ++it) {
        if (it->kind == JournalKind::Rename && !it->undone)
            return *it;
    }
    return std::nullopt;
}

UndoRun UndoBatch(int number, const std::function<void(const UndoOutcome &)> &progress)
{
    UndoRun result;
    const JournalReader reader(number);
    result.problem = reader.error();
    if (!result.problem.ok())
        return result;
    UndoRunner(number, progress).run(reader.intents(), result);
    return result;
}
