#include "rename/BatchRename.h"

#include "rename/RenamePlan.h"
#include "metadata/clsEXIF.h"

#include "services/RegularFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// ExifTimeOf cannot tell a file without a time from one it could not open;
// only the first costs this second look.
FileOpResult ReadableCheck(const QString &path)
{
    return RegularFile(path).error();
}

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

BatchRename::BatchRename(RenameOptions options)
    : options_(std::move(options))
{
}

FolderNames *BatchRename::namesOf(const QString &folder, FileOpResult &error)
{
    auto known = canonical_.constFind(folder);
    if (known == canonical_.constEnd()) {
        const QString dir = folder.isEmpty() ? QStringLiteral(".") : folder;
        QString path = QFileInfo(dir).canonicalFilePath();
        if (path.isEmpty())
            path = QFileInfo(dir).absoluteFilePath();
        known = canonical_.insert(folder, path);
    }
    auto names = folders_.find(known.value());
    if (names == folders_.end()) {
        FolderNames read = FolderNames::read(folder, error);
        if (!error.ok())
            return nullptr;
        names = folders_.insert(known.value(), std::move(read));
    }
    error = {};
    return &names.value();
}

void BatchRename::setTimes(RenameOutcome &outcome, const QString &path)
{
    const QString &t = outcome.time;
    errno = 0;
    outcome.timeResult = SetFileTimes(path, t.mid(0, 4), t.mid(5, 2), t.mid(8, 2), t.mid(13, 2),
                                      t.mid(16, 2), t.right(2));
    if (outcome.timeResult == FileTimeResult::Failed)
        outcome.system = {errno};
}

RenameOutcome BatchRename::renameFile(const QString &folder, const QString &name)
{
    RenameOutcome outcome;
    outcome.oldPath = folder + name;

    FileOpResult folderError;
    FolderNames *names = namesOf(folder, folderError);
    if (!names) {
        outcome.status = RenameStatus::Failed;
        outcome.reason = RenameReason::FolderUnreadable;
        outcome.system = folderError;
        return outcome;
    }

    PlannedName plan;
    if (!options_.frozenTime.isEmpty()) {
        outcome.time = options_.frozenTime;
        plan = PlanByFrozenTime(name, outcome.time, *names);
    } else {
        outcome.time = clsEXIF::ExifTimeOf(outcome.oldPath);
        if (outcome.time.isEmpty()) {
            const FileOpResult readable = ReadableCheck(outcome.oldPath);
            if (readable.error == FileOpResult::NotRegularFile) {
                outcome.reason = RenameReason::NotRegularFile;
            } else if (!readable.ok()) {
                outcome.status = RenameStatus::Failed;
                outcome.reason = readable.error == ENOENT ? RenameReason::Missing : RenameReason::Unreadable;
                outcome.system = readable;
            } else {
                outcome.reason = RenameReason::NoExifTime;
            }
            return outcome;
        }
        if (!IsRealExifTime(outcome.time)) {
            outcome.reason = RenameReason::BadExifTime;
            return outcome;
        }
        plan = PlanByOwnTime(name, outcome.time, *names);
    }
    outcome.newPath = folder + plan.newName;

    if (plan.kind != PlanKind::Rename) {
        outcome.reason = SkipReasonOf(plan.kind);
        if (plan.kind == PlanKind::AlreadyNamed && options_.fileTimes && !options_.dryRun)
            setTimes(outcome, outcome.oldPath);
        return outcome;
    }

    if (options_.dryRun) {
        // What a real run would meet first: a folder the user may not change.
        const QByteArray path = QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder);
        if (::faccessat(AT_FDCWD, path.constData(), W_OK | X_OK, AT_EACCESS) != 0) {
            outcome.status = RenameStatus::Failed;
            outcome.reason = RenameReason::FolderNotWritable;
            outcome.system = {errno};
            return outcome;
        }
    } else {
        outcome.system = SafeRename(outcome.oldPath, outcome.newPath);
        if (!outcome.system.ok()) {
            outcome.status = RenameStatus::Failed;
            outcome.reason = RenameReason::RenameRefused;
            if (outcome.system.error == EEXIST)
                names->add(plan.newName);
            return outcome;
        }
    }
    names->renamed(name, plan.newName);
    outcome.status = RenameStatus::Renamed;
    if (options_.fileTimes && !options_.dryRun)
        setTimes(outcome, outcome.newPath);
    return outcome;
}

std::vector<RenameOutcome> RunBatchRename(const std::vector<RenameJob> &jobs,
                                          const RenameOptions &options,
                                          const RenameProgress &progress)
{
    BatchRename batch(options);
    std::vector<RenameOutcome> outcomes;
    outcomes.reserve(jobs.size());
    const int total = int(jobs.size());
    for (const RenameJob &job : jobs) {
        outcomes.push_back(batch.renameFile(job.folder, job.name));
        if (progress && !progress(outcomes.back(), int(outcomes.size()), total))
            break;
    }
    return outcomes;
}
