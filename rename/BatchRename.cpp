#include "rename/BatchRename.h"

#include "metadata/ExifReader.h"
#include "metadata/XmpSidecar.h"

#include "services/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

BatchRename::BatchRename(RenameOptions options)
    : options_(std::move(options))
{
}

const QString &BatchRename::canonicalOf(const QString &folder)
{
    auto known = canonical_.constFind(folder);
    if (known == canonical_.constEnd()) {
        const QString dir = folder.isEmpty() ? QStringLiteral(".") : folder;
        QString path = QFileInfo(dir).canonicalFilePath();
        if (path.isEmpty())
            path = QFileInfo(dir).absoluteFilePath();
        known = canonical_.insert(folder, path);
    }
    return known.value();
}

FolderNames *BatchRename::namesOf(const QString &folder, FileOpResult &error)
{
    const QString &canonical = canonicalOf(folder);
    auto names = folders_.find(canonical);
    if (names == folders_.end()) {
        FolderNames read = FolderNames::read(folder, error);
        // A folder a pattern makes need not be there yet.
        if (!error.ok() && error.error != ENOENT)
            return nullptr;
        names = folders_.insert(canonical, std::move(read));
    }
    error = {};
    return &names.value();
}

void BatchRename::knowEntries(const QString &folder, const QStringList &entries)
{
    const QString &canonical = canonicalOf(folder);
    if (!folders_.contains(canonical))
        folders_.insert(canonical, FolderNames::of(entries));
}

void BatchRename::setTimes(RenameOutcome &outcome, const QString &path) const
{
    errno = 0;
    outcome.timeResult = SetFileTimes(path, outcome.time->instant());
    if (outcome.timeResult == FileTimeResult::Failed)
        outcome.system = {errno};
}

TimeRead ReadCaptureTime(const QString &folder, const QString &name)
{
    TimeRead read;
    RenameOutcome &outcome = read.outcome;
    outcome.oldPath = folder + name;
    const RegularFile file(outcome.oldPath);
    std::optional<QByteArray> head;
    bool hashed = false;
    if (file.fd() >= 0) {
        hashed = !InodeNumbersLast(file.status(), file.fd());
        const int64_t wanted = hashed ? kIdentityHeadBytes : 4096;
        head = ReadAt(file.fd(), 0, std::min<int64_t>(file.status().st_size, wanted));
        if (!head)
            outcome.system = {errno};
    } else {
        outcome.system = file.error();
    }
    if (!head) {
        if (outcome.system.error == FileOpResult::NotRegularFile) {
            outcome.system = {};
            outcome.reason = RenameReason::NotRegularFile;
        } else {
            outcome.status = RenameStatus::Failed;
            outcome.reason = outcome.system.error == ENOENT ? RenameReason::Missing : RenameReason::Unreadable;
        }
        return read;
    }
    read.identity = IdentityOf(file.status(), hashed ? std::optional<QByteArrayView>(*head) : std::nullopt);
    ExifCaptureStamp stamp = ExifReader::CaptureStampOf(file.fd(), file.status().st_size, std::move(*head));
    outcome.time = stamp.time;
    outcome.timeText = stamp.text;
    read.camera = std::move(stamp.camera);
    read.make = std::move(stamp.make);
    read.source = stamp.source;
    if (!stamp.time) {
        outcome.time = FindSidecarCaptureTime(outcome.oldPath);
        read.source = CaptureSource::Sidecar;
    }
    if (!outcome.time)
        outcome.reason = stamp.text.isEmpty() ? RenameReason::NoExifTime : RenameReason::BadExifTime;
    return read;
}

std::variant<NamePattern, PatternError> PatternForJobs(const QString &text, const std::vector<RenameJob> &jobs,
                                                       const QString &targetFolder)
{
    if (!targetFolder.isEmpty())
        return NamePattern::parse(text, RefusesWindowsCharacters(targetFolder));
    // One folder on FAT is enough: the verdict only ever turns on.
    bool windowsNames = false;
    QSet<QString> folders;
    for (const RenameJob &job : jobs) {
        if (windowsNames)
            break;
        if (job.decided || folders.contains(job.folder))
            continue;
        folders.insert(job.folder);
        if (RefusesWindowsCharacters(job.folder))
            windowsNames = true;
    }
    return NamePattern::parse(text, windowsNames);
}

uint64_t BatchRename::carryOut(RenameOutcome &outcome, bool stampTimes,
                               const std::function<FileOpResult()> &beforeLink, const CopyOptions &copy) const
{
    const bool stamp = stampTimes && options_.fileTimes && !options_.dryRun;
    if (outcome.status != RenameStatus::Renamed) {
        if (outcome.reason == RenameReason::AlreadyNamed && stamp)
            setTimes(outcome, outcome.oldPath);
        return 0;
    }
    const bool toLibrary = !options_.targetFolder.isEmpty();
    if (toLibrary)
        outcome.transfer = options_.copy ? RenameTransfer::Copy : RenameTransfer::Move;
    uint64_t hash = 0;
    if (options_.dryRun) {
        // What a real run would meet first: a folder the user may not change.
        const QString source = outcome.oldPath.left(outcome.oldPath.lastIndexOf(u'/') + 1);
        QStringList folders{toLibrary ? options_.targetFolder : source};
        if (toLibrary && !options_.copy)
            folders << source;
        for (const QString &folder : folders) {
            const QByteArray path = QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder);
            if (::faccessat(AT_FDCWD, path.constData(), W_OK | X_OK, AT_EACCESS) != 0) {
                outcome.status = RenameStatus::Failed;
                outcome.reason = RenameReason::FolderNotWritable;
                outcome.system = {errno};
                return 0;
            }
        }
    } else if (toLibrary) {
        CopyOptions options = copy;
        options.reflink = true;
        options.beforeLink = beforeLink;
        const CopyResult made = options_.copy ? VerifiedCopy(outcome.oldPath, outcome.newPath, options)
                                              : VerifiedMove(outcome.oldPath, outcome.newPath, options);
        hash = made.hash;
        outcome.system = made.system;
        if (!made.ok()) {
            outcome.status = RenameStatus::Failed;
            outcome.reason = made.mismatch ? RenameReason::CopyDiffers : RenameReason::RenameRefused;
            return hash;
        }
    } else {
        outcome.system = SafeRename(outcome.oldPath, outcome.newPath, beforeLink);
        if (!outcome.system.ok()) {
            outcome.status = RenameStatus::Failed;
            outcome.reason = RenameReason::RenameRefused;
            return 0;
        }
    }
    if (stamp)
        setTimes(outcome, outcome.newPath);
    return hash;
}
