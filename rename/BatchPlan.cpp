#include "rename/BatchPlan.h"

#include "rename/BurstLetters.h"
#include "rename/OrderedWork.h"
#include "rename/RenamePlan.h"
#include "rename/ShotFiles.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <future>
#include <iterator>
#include <thread>

namespace {

// A file asked for with the other files of its shot and their companions.
struct Unit
{
    QString folder;
    QStringList members;     // the asked-for file first, then its partners
    QStringList companions;
    RenameOutcome time;      // of the member whose time names the shot
    QString timeMember;
    std::optional<FileIdentity> timeIdentity; // that member's, read with its time
    QString letters;
    std::optional<RenameOutcome> decided;
};

RenameReason SkipReasonOf(PlanKind kind)
{
    switch (kind) {
    case PlanKind::AlreadyNamed: return RenameReason::AlreadyNamed;
    case PlanKind::NameTaken: return RenameReason::NameTaken;
    case PlanKind::LettersTaken: return RenameReason::LettersTaken;
    case PlanKind::Rename: break;
    }
    return RenameReason::None;
}

} // namespace

class BatchPlanner::Planner
{
public:
    Planner(const std::vector<RenameJob> &jobs, const RenameOptions &options, const FolderEntryLists &listed)
        : batch_(options)
    {
        units_.reserve(jobs.size());
        for (const RenameJob &job : jobs)
            gather(job, listed);
    }

    int fileCount() const
    {
        int count = 0;
        for (const Unit &unit : units_)
            count += unit.decided ? 1 : int(unit.members.size() + unit.companions.size());
        return count;
    }

    // Each shot's time is read apart from the others', so the reads (an
    // open, a read and a parse for each file: most of a batch's time) share
    // the cores, a block of neighbouring files at a time; the shots are
    // decided in order as their times come in.
    void decide(const std::function<void(std::vector<PlannedFile> &&)> &take, const std::atomic<bool> &stop)
    {
        constexpr size_t Block = 256;
        const size_t count = units_.size();
        const unsigned threads = count < 2 * Block ? 1 : std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
        OrderedWork reads(count, Block, threads - 1, [this](size_t u) { readTime(units_[u]); }, stop);
        if (batch_.options().burst && !batch_.options().frozenTime) {
            reads.waitForAll();
            letterBursts();
        }
        for (size_t u = 0; u < count; ++u) {
            reads.waitFor(u);
            // A block passed over for the stop was never read.
            if (stop)
                return;
            std::vector<PlannedFile> files;
            decide(units_[u], int(u), files);
            take(std::move(files));
        }
    }

private:
    const FolderShots &shotsOf(const QString &folder, const FolderEntryLists &listed)
    {
        auto it = shots_.find(folder);
        if (it == shots_.end()) {
            FileOpResult error;
            const auto known = listed.constFind(folder);
            const QStringList entries = known != listed.constEnd() ? known.value() : FolderEntries(folder, error);
            // One listing serves the shots and the names a rename must not
            // take; a large folder's two tables are made on two cores.
            // Without companions every file is a shot of its own.
            const bool shared = batch_.options().companions;
            auto shots = std::async(!shared || entries.size() < 2000 ? std::launch::deferred : std::launch::async,
                                    [&entries, shared] { return FolderShots(shared ? entries : QStringList()); });
            if (error.ok())
                batch_.knowEntries(folder, entries);
            it = shots_.insert(folder, shots.get());
        }
        return it.value();
    }

    static QString claimKey(const QString &folder, const QString &name)
    {
        return folder + u'\n' + FolderNames::key(name);
    }

    bool claim(const QString &folder, const QString &name)
    {
        const QString key = claimKey(folder, name);
        if (claimed_.contains(key))
            return false;
        claimed_.insert(key);
        return true;
    }

    void gather(const RenameJob &job, const FolderEntryLists &listed)
    {
        Unit unit;
        unit.folder = job.folder;
        if (job.decided) {
            unit.decided = job.decided;
            units_.push_back(unit);
            return;
        }
        // Only shots of several files are remembered: a later job may be one of them.
        if (!claimed_.isEmpty() && claimed_.contains(claimKey(job.folder, job.name)))
            return;
        unit.members << job.name;
        // The folder is listed at its first job, before any file of the batch can move.
        const FolderShots &shots = shotsOf(job.folder, listed);
        for (const QString &partner : shots.partnersOf(job.name)) {
            if (claim(job.folder, partner))
                unit.members << partner;
        }
        for (const QString &companion : shots.companionsOf(unit.members)) {
            if (claim(job.folder, companion))
                unit.companions << companion;
        }
        if (unit.members.size() > 1 || !unit.companions.isEmpty())
            claim(job.folder, job.name);
        units_.push_back(std::move(unit));
    }

    // The shot's time: the first still with a real time, else a video's.
    void readTime(Unit &unit) const
    {
        if (unit.decided)
            return;
        const RenameOptions &options = batch_.options();
        if (options.frozenTime) {
            unit.time.oldPath = unit.folder + unit.members.first();
            unit.time.time = options.frozenTime;
            return;
        }
        // Stills first, each group in member order.
        QStringList order = unit.members;
        std::stable_partition(order.begin(), order.end(),
                              [](const QString &member) { return !IsMovingPicture(member); });
        for (const QString &member : order) {
            TimeRead read = batch_.readTime(unit.folder, member);
            const bool found = read.outcome.reason == RenameReason::None;
            if (found || member == order.first()) {
                unit.time = std::move(read.outcome);
                unit.timeMember = member;
                unit.timeIdentity = read.identity;
            }
            if (found)
                break;
        }
        if (unit.time.reason == RenameReason::None && options.shiftSeconds != 0) {
            if (const std::optional<CaptureTime> shifted = unit.time.time->shifted(options.shiftSeconds))
                unit.time.time = shifted;
            else
                unit.time.reason = RenameReason::ShiftOutOfRange;
        }
    }

    // Shots of one folder and second, in list order, get letters in capture order.
    void letterBursts()
    {
        QHash<QString, std::vector<int>> seconds;
        std::vector<QString> order;
        for (int u = 0; u < int(units_.size()); ++u) {
            const Unit &unit = units_[size_t(u)];
            if (unit.decided || unit.time.reason != RenameReason::None)
                continue;
            const QString key = unit.folder + u'\n' + unit.time.time->nameStem();
            if (!seconds.contains(key))
                order.push_back(key);
            seconds[key].push_back(u);
        }
        for (const QString &key : order) {
            const std::vector<int> &burst = seconds.value(key);
            if (burst.size() < 2)
                continue;
            QStringList subSeconds;
            for (int u : burst)
                subSeconds << units_[size_t(u)].time.time->subSeconds();
            const std::vector<int> captured = CaptureOrder(subSeconds);
            for (int i = 0; i < int(captured.size()); ++i)
                units_[size_t(burst[size_t(captured[size_t(i)])])].letters =
                    BurstLetters(i, int(captured.size()));
        }
    }

    void decide(const Unit &unit, int number, std::vector<PlannedFile> &files)
    {
        const auto add = [&](RenameOutcome outcome, bool companion) {
            outcome.companion = companion;
            files.push_back({std::move(outcome), number, std::nullopt});
        };
        if (unit.decided) {
            add(*unit.decided, false);
            return;
        }
        const auto stays = [&](RenameOutcome reasonOf) {
            for (const QString &member : unit.members + unit.companions) {
                reasonOf.oldPath = unit.folder + member;
                add(reasonOf, unit.companions.contains(member));
            }
        };
        FileOpResult folderError;
        FolderNames *names = batch_.namesOf(unit.folder, folderError);
        if (!names) {
            RenameOutcome failed;
            failed.status = RenameStatus::Failed;
            failed.reason = RenameReason::FolderUnreadable;
            failed.system = folderError;
            stays(failed);
            return;
        }
        if (unit.time.reason != RenameReason::None) {
            stays(unit.time);
            return;
        }

        // The first member decides the base name; the others follow it. Each
        // name is held while the rest are decided, so two files of the shot
        // (IMG_1.jpg, IMG_1.jpeg) cannot both take one name.
        const QString &lead = unit.members.first();
        const PlannedName leadName = batch_.options().frozenTime
            ? PlanByFrozenTime(lead, *unit.time.time, *names)
            : PlanByOwnTime(lead, *unit.time.time, *names, unit.letters);
        const QString base = NameStem(leadName.newName);
        std::vector<std::pair<QString, PlannedName>> targets;
        const auto hold = [&](const QString &name, const PlannedName &planned) {
            targets.push_back({name, planned});
            if (planned.kind == PlanKind::Rename)
                names->renamed(name, planned.newName);
        };
        hold(lead, leadName);
        for (const QString &member : unit.members.mid(1))
            hold(member, Decide(member, base + RenamedExtension(member), *names));
        for (const QString &companion : unit.companions) {
            const QString stem = NameStem(companion);
            QString newStem = base;
            for (const auto &[member, planned] : targets) {
                if (FolderNames::key(member) == FolderNames::key(stem))
                    newStem = planned.newName;
            }
            hold(companion, Decide(companion, newStem + companion.mid(stem.size()).toLower(), *names));
        }

        const auto blocking = std::find_if(targets.begin(), targets.end(), [](const auto &target) {
            return target.second.kind == PlanKind::NameTaken || target.second.kind == PlanKind::LettersTaken;
        });
        for (const auto &[name, planned] : targets) {
            RenameOutcome outcome;
            outcome.oldPath = unit.folder + name;
            outcome.time = unit.time.time;
            const bool blocked = blocking != targets.end();
            const PlannedName &verdict = blocked ? blocking->second : planned;
            outcome.newPath = unit.folder + verdict.newName;
            outcome.reason = SkipReasonOf(verdict.kind);
            if (blocked && planned.kind == PlanKind::Rename)
                names->renamed(planned.newName, name);
            else if (verdict.kind == PlanKind::Rename)
                outcome.status = RenameStatus::Renamed;
            add(outcome, unit.companions.contains(name));
            if (name == unit.timeMember)
                files.back().identity = unit.timeIdentity;
        }
    }

    BatchRename batch_;
    QHash<QString, FolderShots> shots_;
    QSet<QString> claimed_;
    std::vector<Unit> units_;
};

BatchPlanner::BatchPlanner(const std::vector<RenameJob> &jobs, const RenameOptions &options,
                           const FolderEntryLists &listed)
    : planner_(std::make_unique<Planner>(jobs, options, listed))
{
}

BatchPlanner::~BatchPlanner() = default;

int BatchPlanner::fileCount() const
{
    return planner_->fileCount();
}

void BatchPlanner::decide(const std::function<void(std::vector<PlannedFile> &&)> &take,
                          const std::atomic<bool> &stop)
{
    planner_->decide(take, stop);
}

BatchPlan PlanBatch(const std::vector<RenameJob> &jobs, const RenameOptions &options)
{
    BatchPlan plan{options, {}};
    const std::atomic<bool> never = false;
    BatchPlanner(jobs, options).decide([&plan](std::vector<PlannedFile> &&shot) {
        std::move(shot.begin(), shot.end(), std::back_inserter(plan.files));
    }, never);
    return plan;
}
