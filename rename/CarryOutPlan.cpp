#include "rename/CarryOutPlan.h"

#include "rename/RenameJournal.h"
#include "services/FileTime.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>

namespace {

// The moment SetFileTimes will give a file for the capture time, in
// nanoseconds; 0 when it cannot tell.
int64_t StampOf(const QString &time)
{
    const QDateTime local = QDateTime::fromString(time, QStringLiteral("yyyy:MM:dd - HH:mm:ss"));
    return local.isValid() ? local.toSecsSinceEpoch() * 1000000000 : 0;
}

class PlanRun
{
public:
    PlanRun(const BatchPlan &plan, const RenameProgress &progress)
        : plan_(plan), progress_(progress), batch_(plan.options)
    {
    }

    std::vector<RenameOutcome> run()
    {
        const auto &files = plan_.files;
        for (size_t begin = 0; begin < files.size() && !stopped_;) {
            size_t end = begin + 1;
            while (end < files.size() && files[end].unit == files[begin].unit)
                ++end;
            journalUnit(begin, end);
            if (!journaling() || journal_.due())
                carryOutPending();
            begin = end;
        }
        carryOutPending();
        if (journaling())
            journal_.finish();
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

    bool journaling() const { return !plan_.options.dryRun; }

    bool changes(const PlannedFile &file) const
    {
        return file.outcome.status == RenameStatus::Renamed
            || (file.outcome.reason == RenameReason::AlreadyNamed && !file.outcome.companion
                && plan_.options.fileTimes);
    }

    // Writes the intents of files [begin, end) to the journal's pending chunk;
    // a file that cannot be identified keeps its whole shot where it is.
    void journalUnit(size_t begin, size_t end)
    {
        std::vector<PlannedFile> unit(plan_.files.begin() + qsizetype(begin),
                                      plan_.files.begin() + qsizetype(end));
        if (journaling()) {
            std::vector<JournalIntent> intents;
            for (PlannedFile &file : unit) {
                if (!changes(file))
                    continue;
                FileOpResult error;
                const auto identity = file.identity ? CurrentIdentity(*file.identity, file.outcome.oldPath, error)
                                                    : ReadFileIdentity(file.outcome.oldPath, true, error);
                if (!identity) {
                    failUnit(unit, file.outcome.oldPath, RenameReason::Unreadable, error);
                    pending_.push_back(std::move(unit));
                    return;
                }
                const QString &oldPath = file.outcome.oldPath;
                const qsizetype slash = oldPath.lastIndexOf(u'/');
                const QString newPath = file.outcome.newPath.isEmpty() ? oldPath : file.outcome.newPath;
                intents.push_back({absoluteFolder(oldPath.left(slash + 1)), oldPath.mid(slash + 1),
                                   newPath.mid(slash + 1), *identity,
                                   plan_.options.fileTimes && !file.outcome.companion ? StampOf(file.outcome.time) : 0});
            }
            for (const JournalIntent &intent : intents)
                journal_.add(intent);
        }
        pending_.push_back(std::move(unit));
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

    void carryOutPending()
    {
        if (journaling()) {
            const FileOpResult written = journal_.flush();
            if (!written.ok()) {
                for (auto &unit : pending_)
                    failUnit(unit, {}, RenameReason::NotJournaled, written);
            }
        }
        for (auto &unit : pending_) {
            if (!stopped_)
                carryOutUnit(unit);
        }
        pending_.clear();
    }

    void carryOutUnit(std::vector<PlannedFile> &unit)
    {
        for (size_t i = 0; i < unit.size(); ++i) {
            RenameOutcome &outcome = unit[i].outcome;
            batch_.carryOut(outcome, !outcome.companion);
            if (outcome.reason != RenameReason::RenameRefused)
                continue;
            // Put back what already moved, so the shot stays whole: the
            // files before this one all were renamed.
            for (size_t j = 0; j < unit.size(); ++j) {
                RenameOutcome &other = unit[j].outcome;
                if (j == i || other.status != RenameStatus::Renamed
                    || (j < i && !SafeRename(other.newPath, other.oldPath).ok()))
                    continue;
                other.status = RenameStatus::Failed;
                other.reason = RenameReason::RenameRefused;
                other.system = outcome.system;
            }
            break;
        }
        const int total = int(plan_.files.size());
        for (PlannedFile &file : unit) {
            outcomes_.push_back(std::move(file.outcome));
            if (progress_ && !progress_(outcomes_.back(), int(outcomes_.size()), total))
                stopped_ = true;
        }
    }

    const BatchPlan &plan_;
    const RenameProgress &progress_;
    BatchRename batch_;
    JournalWriter journal_{JournalKind::Rename};
    std::vector<std::vector<PlannedFile>> pending_;
    std::vector<RenameOutcome> outcomes_;
    QHash<QString, QString> absolute_;
    bool stopped_ = false;
};

} // namespace

std::vector<RenameOutcome> CarryOutPlan(const BatchPlan &plan, const RenameProgress &progress)
{
    return PlanRun(plan, progress).run();
}

std::vector<RenameOutcome> RunBatchRename(const std::vector<RenameJob> &jobs,
                                          const RenameOptions &options,
                                          const RenameProgress &progress)
{
    return CarryOutPlan(PlanBatch(jobs, options), progress);
}
