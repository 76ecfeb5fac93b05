#include "rename/BatchPlan.h"

#include "rename/BurstLetters.h"
#include "rename/LibraryNames.h"
#include "rename/OrderedWork.h"
#include "rename/RenamePlan.h"
#include "rename/ShotFiles.h"
#include "rename/StillOffsets.h"

#include <QDateTime>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <future>
#include <iterator>
#include <thread>
#include <utility>

namespace {

// Files with their own times that lie this close form one shot.
constexpr qint64 ShotSeconds = 2;

// An image or video file of a group, with what reading it learnt.
struct Member
{
    QString name;
    bool asked = false;
    TimeRead read;
    std::optional<CaptureTime> time;  // its own, shifted, when it has one
};

// One shot of a group: the indexes of its members with their own times (the
// first names it), then the files that follow it.
struct Shot
{
    std::vector<size_t> timed;
    std::vector<size_t> followers;   // members without a time of their own
    QStringList companions;
    std::optional<RenameOutcome> stays;  // why none of it is renamed
    QString letters;
    bool asked = false;
    // Where the pattern puts it, once asked.
    std::optional<PatternPlace> place;

    // Moves, for bursts; a shot that stays has none of them.
    const Member &lead(const std::vector<Member> &members) const { return members[timed.front()]; }
};

// The files of one folder whose names share a stem, letter case folded,
// asked for by at least one job; split into shots once their times are read.
struct Group
{
    QString folder;   // as the first job spelled it
    QString canonical;
    std::vector<Member> members;
    QStringList companions;
    std::optional<RenameOutcome> decided;  // a job known without a look
    std::vector<Shot> shots;
    QStringList ambiguous;  // companions that fit shots of different times
};

RenameReason SkipReasonOf(PlanKind kind)
{
    switch (kind) {
    case PlanKind::AlreadyNamed: return RenameReason::AlreadyNamed;
    case PlanKind::NameTaken: return RenameReason::NameTaken;
    case PlanKind::LettersTaken: return RenameReason::LettersTaken;
    case PlanKind::AlreadyPresent: return RenameReason::AlreadyInLibrary;
    case PlanKind::Rename: break;
    }
    return RenameReason::None;
}

bool Agree(const CaptureTime &a, const CaptureTime &b)
{
    return std::abs(QDateTime(a.date(), a.time(), Qt::UTC).secsTo(QDateTime(b.date(), b.time(), Qt::UTC)))
        <= ShotSeconds;
}

PlannedFile Planned(RenameOutcome outcome, int unit)
{
    PlannedFile file;
    file.outcome = std::move(outcome);
    file.unit = unit;
    return file;
}

// Where a file without a time of its own goes: a shot's index, or none.
constexpr int NoShot = -1;
constexpr int Ambiguous = -2;

} // namespace

class BatchPlanner::Planner
{
public:
    Planner(const std::vector<RenameJob> &jobs, const RenameOptions &options, const FolderEntryLists &listed)
        : batch_(options), library_(LibraryFolder(options))
    {
        groups_.reserve(jobs.size());
        for (const RenameJob &job : jobs)
            gather(job, listed);
    }

    int fileCount() const
    {
        int count = 0;
        for (const Group &group : groups_)
            count += group.decided ? 1 : int(group.members.size() + group.companions.size());
        return count;
    }

    // Each group's times are read apart from the others', so the reads (an
    // open, a read and a parse for each file: most of a batch's time) share
    // the cores, a block of neighbouring groups at a time; the groups are
    // decided in order as their times come in.
    void decide(const std::function<void(std::vector<PlannedFile> &&)> &take, const std::atomic<bool> &stop)
    {
        constexpr size_t Block = 256;
        const size_t count = groups_.size();
        const unsigned threads = count < 2 * Block ? 1 : std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
        OrderedWork reads(count, Block, threads - 1, [this](size_t g) { readTimes(groups_[g]); }, stop);
        const bool bursts = batch_.options().burst && !batch_.options().frozenTime;
        if (bursts) {
            reads.waitForAll();
            for (Group &group : groups_)
                formShots(group);
            letterBursts();
        }
        for (size_t g = 0; g < count; ++g) {
            reads.waitFor(g);
            // A block passed over for the stop was never read.
            if (stop)
                return;
            Group &group = groups_[g];
            if (!bursts)
                formShots(group);
            hand(group, take);
        }
    }

private:
    const FolderShots &shotsOf(const QString &folder, const QString &canonical, const FolderEntryLists &listed)
    {
        auto it = shots_.find(canonical);
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
            it = shots_.insert(canonical, shots.get());
        }
        return it.value();
    }

    void gather(const RenameJob &job, const FolderEntryLists &listed)
    {
        if (job.decided) {
            Group group;
            group.decided = job.decided;
            groups_.push_back(std::move(group));
            return;
        }
        // The folder is listed at its first job, before any file of the batch can move.
        const QString canonical = batch_.canonicalOf(job.folder);
        const FolderShots &shots = shotsOf(job.folder, canonical, listed);
        const QStringList files = shots.filesLike(job.name);
        QStringList companions = shots.companionsOf(files);
        // A group of several files is known by its first: a later job may be
        // one of its files. Most photos stand alone.
        QString key;
        if (files.size() > 1 || !companions.isEmpty()) {
            key = canonical + u'\n' + files.first();
            if (const auto known = groupOf_.constFind(key); known != groupOf_.constEnd()) {
                for (Member &member : groups_[known.value()].members)
                    member.asked = member.asked || member.name == job.name;
                return;
            }
            groupOf_.insert(key, groups_.size());
        }
        Group group;
        group.folder = job.folder;
        group.canonical = canonical;
        for (const QString &file : files)
            group.members.push_back({file, file == job.name, {}, {}});
        group.companions = std::move(companions);
        groups_.push_back(std::move(group));
    }

    void readTimes(Group &group) const
    {
        // A frozen time needs no look at the files, unless the name asks for their camera.
        if (group.decided || (batch_.options().frozenTime && !batch_.options().pattern.namesCamera()))
            return;
        for (Member &member : group.members) {
            member.read = ReadCaptureTime(group.folder, member.name);
            RenameOutcome &outcome = member.read.outcome;
            if (member.read.source == CaptureSource::Mvhd && outcome.time)
                placeVideo(group.folder, outcome);
            if (outcome.reason != RenameReason::None || batch_.options().shiftSeconds == 0) {
                member.time = outcome.time;
                continue;
            }
            member.time = outcome.time->shifted(batch_.options().shiftSeconds);
            if (!member.time)
                outcome.reason = RenameReason::ShiftOutOfRange;
        }
    }

    // A movie header's UTC time in the offset asked for, or in that of the
    // folder's still nearest in time; without either it stays in the
    // computer's zone, and the report says so.
    void placeVideo(const QString &folder, RenameOutcome &outcome) const
    {
        const std::chrono::sys_seconds instant = outcome.time->instant();
        std::optional<int> offset = batch_.options().videoOffsetMinutes;
        if (!offset)
            offset = stillOffsets_.nearest(folder, instant);
        const std::optional<CaptureTime> there = offset ? CaptureTime::AtOffset(instant, *offset) : std::nullopt;
        if (there)
            outcome.time = there;
        else
            outcome.computerZone = true;
    }

    static bool Timed(const Member &member) { return member.read.outcome.reason == RenameReason::None; }
    // A file that has no time to name it, but may follow a shot.
    static bool Timeless(const Member &member)
    {
        const RenameReason reason = member.read.outcome.reason;
        return reason == RenameReason::NoExifTime || reason == RenameReason::BadExifTime;
    }

    void formShots(Group &group) const
    {
        if (group.decided)
            return;
        std::vector<Member> &members = group.members;
        if (batch_.options().frozenTime) {
            Shot shot;
            for (size_t m = 0; m < members.size(); ++m) {
                members[m].time = batch_.options().frozenTime;
                shot.timed.push_back(m);
                shot.asked = shot.asked || members[m].asked;
            }
            shot.companions = group.companions;
            group.shots.push_back(std::move(shot));
            return;
        }
        // Stills before videos, then by name: whichever file is asked for,
        // the same one names the shot.
        std::vector<size_t> order;
        for (size_t m = 0; m < members.size(); ++m) {
            if (Timed(members[m]))
                order.push_back(m);
        }
        std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            const bool videoA = IsMovingPicture(members[a].name), videoB = IsMovingPicture(members[b].name);
            return videoA != videoB ? videoB : members[a].name < members[b].name;
        });
        std::vector<int> shotOf(members.size(), NoShot);
        for (const size_t anchor : order) {
            if (shotOf[anchor] != NoShot)
                continue;
            Shot shot;
            for (const size_t m : order) {
                if (shotOf[m] == NoShot && Agree(*members[anchor].read.outcome.time, *members[m].read.outcome.time)) {
                    shotOf[m] = int(group.shots.size());
                    shot.timed.push_back(m);
                }
            }
            group.shots.push_back(std::move(shot));
        }
        for (size_t m = 0; m < members.size(); ++m) {
            if (shotOf[m] != NoShot)
                continue;
            const int target = Timeless(members[m]) ? followedShot(group, shotOf, NameStem(members[m].name)) : NoShot;
            if (target >= 0) {
                group.shots[size_t(target)].followers.push_back(m);
                continue;
            }
            // Alone, and staying: a time out of range, a file that cannot be
            // read, or nothing to follow.
            Shot alone;
            alone.stays = members[m].read.outcome;
            alone.followers.push_back(m);
            group.shots.push_back(std::move(alone));
        }
        for (const QString &companion : group.companions) {
            const int target = companionShot(group, shotOf, companion);
            if (target >= 0)
                group.shots[size_t(target)].companions << companion;
            else if (target == Ambiguous)
                group.ambiguous << companion;
        }
        for (Shot &shot : group.shots) {
            for (const size_t m : shot.timed)
                shot.asked = shot.asked || members[m].asked;
            for (const size_t m : shot.followers)
                shot.asked = shot.asked || members[m].asked;
        }
    }

    // The shot that a file named `stem` plus an extension follows: the one
    // shot of the timed files of that stem, else the RAW's.
    static int followedShot(const Group &group, const std::vector<int> &shotOf, const QString &stem)
    {
        std::vector<size_t> candidates;
        QString spelling;
        bool oneSpelling = true;
        for (size_t m = 0; m < group.members.size(); ++m) {
            const QString memberStem = NameStem(group.members[m].name);
            if (shotOf[m] < 0 || FolderNames::key(memberStem) != FolderNames::key(stem))
                continue;
            oneSpelling = oneSpelling && (spelling.isEmpty() || spelling == memberStem);
            spelling = memberStem;
            candidates.push_back(m);
        }
        // The exact spelling first; a folded one only where it is the only one.
        const auto exact = std::count_if(candidates.begin(), candidates.end(),
                                         [&](size_t m) { return NameStem(group.members[m].name) == stem; });
        if (exact > 0)
            std::erase_if(candidates, [&](size_t m) { return NameStem(group.members[m].name) != stem; });
        else if (!oneSpelling)
            return Ambiguous;
        const auto commonShot = [&](const std::vector<size_t> &files) {
            const bool one = !files.empty() && std::all_of(files.begin(), files.end(),
                                                            [&](size_t m) { return shotOf[m] == shotOf[files[0]]; });
            return one ? shotOf[files[0]] : Ambiguous;
        };
        if (candidates.empty())
            return NoShot;
        if (const int shot = commonShot(candidates); shot >= 0)
            return shot;
        std::erase_if(candidates, [&](size_t m) { return !IsRawName(group.members[m].name); });
        return commonShot(candidates);
    }

    // A companion follows the file whose full name it carries (IMG_1.CR2.xmp),
    // else the files of its stem (IMG_1.xmp).
    static int companionShot(const Group &group, const std::vector<int> &shotOf, const QString &companion)
    {
        const QString stem = NameStem(companion);
        std::optional<size_t> exact, folded;
        int foldings = 0;
        for (size_t m = 0; m < group.members.size(); ++m) {
            if (group.members[m].name == stem)
                exact = m;
            else if (FolderNames::key(group.members[m].name) == FolderNames::key(stem) && foldings++ == 0)
                folded = m;
        }
        if (!exact && foldings > 1)
            return Ambiguous;
        const std::optional<size_t> named = exact ? exact : folded;
        if (!named)
            return followedShot(group, shotOf, stem);
        if (shotOf[*named] >= 0)
            return shotOf[*named];
        return Timeless(group.members[*named]) ? followedShot(group, shotOf, NameStem(group.members[*named].name))
                                               : NoShot;
    }

    // Shots of one folder and second, in list order, get letters in capture
    // order. A shot already named with its second and letters keeps them;
    // the others take free letters.
    void letterBursts()
    {
        QHash<QString, std::vector<std::pair<Group *, Shot *>>> seconds;
        std::vector<QString> order;
        for (Group &group : groups_) {
            for (Shot &shot : group.shots) {
                if (shot.stays || shot.timed.empty())
                    continue;
                const PatternPlace &place = placeOf(group, shot);
                if (place.problem != PatternPlace::Problem::None)
                    continue;
                const QString key = (library_.isEmpty() ? group.canonical : library_) + u'\n' + place.folders + place.stem;
                if (!seconds.contains(key))
                    order.push_back(key);
                seconds[key].push_back({&group, &shot});
            }
        }
        for (const QString &key : order) {
            const auto &burst = seconds[key];
            if (burst.size() < 2)
                continue;
            QStringList subSeconds;
            for (const auto &[group, shot] : burst)
                subSeconds << shot->lead(group->members).time->subSeconds();
            QSet<QString> used;
            for (const auto &[group, shot] : burst) {
                shot->letters = LettersOf(shot->lead(group->members), shot->place->stem);
                used.insert(shot->letters);
            }
            FileOpResult error;
            const int width = int(BurstLetters(0, int(burst.size())).size());
            int next = 0;
            for (const int index : CaptureOrder(subSeconds)) {
                const auto &[group, shot] = burst[size_t(index)];
                if (!shot->letters.isEmpty())
                    continue;
                const Member &lead = shot->lead(group->members);
                const FolderNames *names = batch_.namesOf(folderOf(*group) + shot->place->folders, error);
                const QString &stem = shot->place->stem;
                // Past the last letters the shot goes without and meets its name taken.
                for (QString letters; !(letters = LettersOfWidth(next, width)).isEmpty(); ++next) {
                    if (used.contains(letters) || (names && names->contains(stem + letters + RenamedExtension(lead.name))))
                        continue;
                    shot->letters = letters;
                    used.insert(letters);
                    break;
                }
            }
        }
    }

    // Where the pattern puts the shot: its lead's values decide.
    const PatternPlace &placeOf(const Group &group, Shot &shot)
    {
        if (!shot.place) {
            const NamePattern &pattern = batch_.options().pattern;
            const Member &lead = shot.lead(group.members);
            QStringList tail;
            // In a library every photo goes to the pattern's folders.
            if (pattern.depth() > 0 && library_.isEmpty()) {
                tail = group.canonical.split(u'/', Qt::SkipEmptyParts);
                tail = tail.mid(std::max<qsizetype>(0, tail.size() - pattern.depth()));
            }
            shot.place = pattern.place({*lead.time, NameStem(lead.name), lead.read.camera, lead.read.make}, tail,
                                       batch_.options().frozenTime.has_value());
        }
        return *shot.place;
    }

    // The folder below which the pattern puts the group's files.
    const QString &folderOf(const Group &group) const { return library_.isEmpty() ? group.folder : library_; }

    // The file that holds `name` in `folder` of the library, or the source
    // the batch means to bring there under that name.
    FileAtName fileIn(const QString &folder)
    {
        return [this, folder](const QString &name) {
            const QString path = folder + name;
            return plannedSources_.value(FolderNames::key(batch_.canonicalOf(folder) + u'/' + name), path);
        };
    }

    // The letters a burst's file already bears after its base name, or none.
    static QString LettersOf(const Member &lead, const QString &base)
    {
        const QString stem = NameStem(lead.name);
        if (!stem.startsWith(base) || stem.size() == base.size() || stem.size() > base.size() + 3)
            return {};
        const QString letters = stem.mid(base.size());
        const bool lower = std::all_of(letters.begin(), letters.end(), [](QChar c) { return c >= u'a' && c <= u'z'; });
        return lower ? letters : QString();
    }

    void hand(Group &group, const std::function<void(std::vector<PlannedFile> &&)> &take)
    {
        if (group.decided) {
            std::vector<PlannedFile> files;
            files.push_back(Planned(*group.decided, units_++));
            take(std::move(files));
            return;
        }
        QStringList ambiguous = group.ambiguous;
        for (Shot &shot : group.shots) {
            if (!shot.asked)
                continue;
            const int unit = units_++;
            std::vector<PlannedFile> files;
            decideShot(group, shot, unit, files);
            // Reported with the first shot, and left where they are.
            for (const QString &companion : std::exchange(ambiguous, {})) {
                RenameOutcome outcome;
                outcome.oldPath = group.folder + companion;
                outcome.reason = RenameReason::CompanionAmbiguous;
                outcome.companion = true;
                files.push_back(Planned(outcome, unit));
            }
            take(std::move(files));
        }
    }

    void decideShot(const Group &group, Shot &shot, int unit, std::vector<PlannedFile> &files)
    {
        const auto add = [&](RenameOutcome outcome, const Member *member) {
            outcome.companion = member == nullptr;
            PlannedFile file = Planned(std::move(outcome), unit);
            if (member) {
                file.identity = member->read.identity;
                file.captured = member->read.outcome.time;
                file.camera = member->read.camera;
            }
            files.push_back(std::move(file));
        };
        std::vector<const Member *> movers;
        for (const size_t m : shot.timed)
            movers.push_back(&group.members[m]);
        for (const size_t m : shot.followers)
            movers.push_back(&group.members[m]);
        const auto stays = [&](RenameOutcome reasonOf) {
            for (const Member *member : movers) {
                reasonOf.oldPath = group.folder + member->name;
                add(reasonOf, member);
            }
            for (const QString &companion : shot.companions) {
                reasonOf.oldPath = group.folder + companion;
                add(reasonOf, nullptr);
            }
        };
        if (shot.stays) {
            stays(*shot.stays);
            return;
        }
        const PatternPlace &place = placeOf(group, shot);
        if (place.problem != PatternPlace::Problem::None) {
            RenameOutcome unnamed;
            unnamed.reason = place.problem == PatternPlace::Problem::Empty ? RenameReason::NameEmpty
                                                                          : RenameReason::NameTooLong;
            stays(unnamed);
            return;
        }
        FileOpResult folderError;
        FolderNames *source = batch_.namesOf(group.folder, folderError);
        const bool toLibrary = !library_.isEmpty();
        const QString target = folderOf(group) + place.folders;
        FolderNames *names =
            source && (toLibrary || !place.folders.isEmpty()) ? batch_.namesOf(target, folderError) : source;
        if (!names) {
            RenameOutcome failed;
            failed.status = RenameStatus::Failed;
            failed.reason = RenameReason::FolderUnreadable;
            failed.system = folderError;
            stays(failed);
            return;
        }

        // The first file decides the base name; the others follow it. Each
        // name is held while the rest are decided, so two files of the shot
        // (IMG_1.jpg, IMG_1.jpeg) cannot both take one name.
        // A file that changes folder never bears its new name already.
        const bool inPlace = place.folders.isEmpty() && !toLibrary;
        const auto own = [inPlace](const QString &name) { return inPlace ? name : QString(); };
        const Member &lead = *movers.front();
        const bool frozen = batch_.options().frozenTime.has_value();
        const FileAtName fileAt = toLibrary ? fileIn(target) : FileAtName();
        // In a library a name is decided by what the file holding it holds.
        const auto decide = [&](const QString &name, const QString &newName) {
            return toLibrary ? FollowIntoLibrary(group.folder + name, newName, *names, fileAt)
                             : Decide(own(name), newName, *names);
        };
        const PlannedName leadName = toLibrary
            ? PlanIntoLibrary(group.folder + lead.name, place.stem + shot.letters, RenamedExtension(lead.name), frozen,
                              *names, fileAt)
            : frozen ? PlanByFrozenTime(own(lead.name), place.stem, RenamedExtension(lead.name), *names)
                     : Decide(own(lead.name), place.stem + shot.letters + RenamedExtension(lead.name), *names);
        const QString base = NameStem(leadName.newName);
        std::vector<std::pair<QString, PlannedName>> targets;
        const QString targetKey = toLibrary ? batch_.canonicalOf(target) + u'/' : QString();
        const auto move = [&](const QString &from, const QString &to, bool back) {
            if (inPlace) {
                names->renamed(back ? to : from, back ? from : to);
                return;
            }
            back ? names->remove(to) : names->add(to);
            if (toLibrary && back)
                plannedSources_.remove(FolderNames::key(targetKey + to));
            else if (toLibrary)
                plannedSources_.insert(FolderNames::key(targetKey + to), group.folder + from);
            // A copy leaves its source where it is.
            if (!batch_.options().copy || !toLibrary)
                back ? source->add(from) : source->remove(from);
        };
        const auto hold = [&](const QString &name, const PlannedName &planned) {
            targets.push_back({name, planned});
            if (planned.kind == PlanKind::Rename)
                move(name, planned.newName, false);
        };
        hold(lead.name, leadName);
        for (size_t i = 1; i < movers.size(); ++i)
            hold(movers[i]->name, decide(movers[i]->name, base + RenamedExtension(movers[i]->name)));
        for (const QString &companion : shot.companions) {
            // After the file whose full name it carries, the exact spelling first.
            const QString stem = NameStem(companion);
            QString newStem = base;
            for (size_t i = 0; i < movers.size(); ++i) {
                const bool exact = movers[i]->name == stem;
                if (exact || (newStem == base && FolderNames::key(movers[i]->name) == FolderNames::key(stem)))
                    newStem = targets[i].second.newName;
                if (exact)
                    break;
            }
            hold(companion, decide(companion, newStem + companion.mid(stem.size()).toLower()));
        }

        const auto blocking = std::find_if(targets.begin(), targets.end(), [](const auto &target) {
            return target.second.kind == PlanKind::NameTaken || target.second.kind == PlanKind::LettersTaken;
        });
        for (size_t i = 0; i < targets.size(); ++i) {
            const auto &[name, planned] = targets[i];
            const Member *member = i < movers.size() ? movers[i] : nullptr;
            RenameOutcome outcome;
            outcome.oldPath = group.folder + name;
            if (toLibrary)
                outcome.transfer = batch_.options().copy ? RenameTransfer::Copy : RenameTransfer::Move;
            // Each file's times become its own time; a file without one takes the shot's.
            outcome.time = member && member->time ? member->time : lead.time;
            // Only the file whose time gives the name can be named in the computer's zone.
            outcome.computerZone = member == &lead && lead.read.outcome.computerZone;
            const bool blocked = blocking != targets.end();
            const PlannedName &verdict = blocked ? blocking->second : planned;
            outcome.newPath = target + verdict.newName;
            outcome.reason = SkipReasonOf(verdict.kind);
            if (blocked && planned.kind == PlanKind::Rename)
                move(name, planned.newName, true);
            else if (verdict.kind == PlanKind::Rename)
                outcome.status = RenameStatus::Renamed;
            add(outcome, member);
        }
    }

    BatchRename batch_;
    QString library_;                       // the target folder, ends in a separator; or empty
    // The files the batch brings into the library: folded canonical target
    // path -> source path.
    QHash<QString, QString> plannedSources_;
    QHash<QString, FolderShots> shots_;     // by canonical folder
    mutable StillOffsets stillOffsets_;     // asked by the reading threads
    QHash<QString, size_t> groupOf_;        // canonical folder and first file -> group
    std::vector<Group> groups_;
    int units_ = 0;
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
