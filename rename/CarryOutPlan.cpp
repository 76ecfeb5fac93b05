#include "rename/CarryOutPlan.h"

#include "rename/RenameJournal.h"
#include "services/FileTime.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

namespace {

// The moment SetFileTimes will give a file for the capture time, in
// nanoseconds; 0 when it cannot tell.
int64_t StampOf(const QString &time)
{
    const QDateTime local = QDateTime::fromString(time, QStringLiteral("yyyy:MM:dd - HH:mm:ss"));
    return local.isValid() ? local.toSecsSinceEpoch() * 1000000000 : 0;
}

using Unit = std::vector<PlannedFile>;

// Shots whose intents are large enough a batch to sync at once, when the
// journal's own limits have not come first: the renames need not wait long.
constexpr size_t ChunkUnits = 500;

// Chunks of shots whose intents are on disk, handed in plan order from the
// thread that writes the journal to the one that renames.
class ChunkQueue
{
public:
    void push(std::vector<Unit> chunk)
    {
        const std::lock_guard lock(mutex_);
        chunks_.push_back(std::move(chunk));
        changed_.notify_one();
    }

    void close()
    {
        const std::lock_guard lock(mutex_);
        closed_ = true;
        changed_.notify_one();
    }

    // The next chunk; nullopt once the queue is closed and empty.
    std::optional<std::vector<Unit>> pop()
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !chunks_.empty() || closed_; });
        if (chunks_.empty())
            return std::nullopt;
        std::vector<Unit> chunk = std::move(chunks_.front());
        chunks_.pop_front();
        return chunk;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::vector<Unit>> chunks_;
    bool closed_ = false;
};

class PlanRun
{
public:
    PlanRun(const BatchPlan &plan, const RenameProgress &progress)
        : plan_(plan), progress_(progress), batch_(plan.options)
    {
    }

    std::vector<RenameOutcome> run()
    {
        if (!journaling()) {
            forEachUnit([this](size_t begin, size_t end) {
                Unit unit = unitOf(begin, end);
                carryOutUnit(unit);
            });
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
            if (stopped_)
                break;
        }
        journalThread.join();
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

    template<typename Step>
    void forEachUnit(Step step)
    {
        const auto &files = plan_.files;
        for (size_t begin = 0; begin < files.size() && !stopped_;) {
            size_t end = begin + 1;
            while (end < files.size() && files[end].unit == files[begin].unit)
                ++end;
            step(begin, end);
            begin = end;
        }
    }

    Unit unitOf(size_t begin, size_t end) const
    {
        return Unit(plan_.files.begin() + qsizetype(begin), plan_.files.begin() + qsizetype(end));
    }

    void writeJournal()
    {
        std::vector<Unit> chunk;
        forEachUnit([&](size_t begin, size_t end) {
            chunk.push_back(journalUnit(begin, end));
            if (journal_.due() || chunk.size() >= ChunkUnits)
                publish(chunk);
        });
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

    // The files [begin, end) with their intents written to the journal's
    // pending chunk; a file that cannot be identified keeps its whole shot
    // where it is.
    Unit journalUnit(size_t begin, size_t end)
    {
        Unit unit = unitOf(begin, end);
        std::vector<JournalIntent> intents;
        for (PlannedFile &file : unit) {
            if (!changes(file))
                continue;
            FileOpResult error;
            const auto identity = file.identity ? CurrentIdentity(*file.identity, file.outcome.oldPath, error)
                                                : ReadFileIdentity(file.outcome.oldPath, true, error);
            if (!identity) {
                failUnit(unit, file.outcome.oldPath, RenameReason::Unreadable, error);
                return unit;
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
        return unit;
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
    // Written by the journal thread only, until it has ended.
    JournalWriter journal_{JournalKind::Rename};
    QHash<QString, QString> absolute_;
    ChunkQueue ready_;
    // The renaming thread's.
    std::vector<RenameOutcome> outcomes_;
    std::atomic<bool> stopped_ = false;
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
