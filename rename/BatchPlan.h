#pragma once

#include "rename/BatchRename.h"

#include <QHash>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

// One file of a planned batch. Its outcome says what is to happen: Renamed
// to newPath, or skipped or failed with the reason it stays.
struct PlannedFile
{
    RenameOutcome outcome;
    // The files of one shot and their companions share a number; they move
    // together or not at all.
    int unit = 0;
    // Read with the capture time, so that the journal need not look at the
    // file again.
    std::optional<FileIdentity> identity;
    // The capture time the file holds (unshifted) and its camera model,
    // which tell the photo at undo after an edit.
    std::optional<CaptureTime> captured;
    QString camera;
    // Set while the batch is carried out: the folder as the journal has it,
    // and whether the times asked for are the file's already.
    QString absoluteFolder;
    bool timesHeld = false;
};

// The target folder of the options, ending in a separator; empty for none.
inline QString LibraryFolder(const RenameOptions &options)
{
    const QString &folder = options.targetFolder;
    return folder.isEmpty() || folder.endsWith(u'/') ? folder : folder + u'/';
}

// The whole batch, decided before anything moves: what the preview shows,
// what a dry run prints and what the journal records. Units follow one
// another in the order of the jobs that brought them in.
struct BatchPlan
{
    RenameOptions options;
    std::vector<PlannedFile> files;
};

// Reads every job's capture time and decides every name: bursts, the clock
// offset, shots and companions, names taken on disk or by an earlier file
// of the plan. Changes nothing on disk.
//
// Image and video files of one folder whose names differ only in the
// extension (or its letter case) form one shot when their own times agree
// within 2 seconds (a live photo's video may differ by one); each other one
// is named by its own time. The shot is named after its first still in name
// order, else its first video. Files without a time of their own follow the
// shot of the file whose name they carry: NAME.EXT.xmp that of NAME.EXT, a
// bare NAME.xmp (or a NAME.tif without EXIF) the one shot of NAME's files,
// or the RAW's where the stills disagree; the exact name counts first,
// letter case is folded only where that leaves no doubt. A shot is planned
// when one of its files was asked for; every file asked for gets one
// outcome.
BatchPlan PlanBatch(const std::vector<RenameJob> &jobs, const RenameOptions &options);

// Every entry of a folder, by the folder as the jobs name it.
using FolderEntryLists = QHash<QString, QStringList>;

// The same plan, shot by shot, so that a batch can be carried out while it
// is planned. The jobs are taken in (and their folders listed) at once, so
// the count of files is known before any time is read; decide() then reads
// the times on several cores and hands each shot's files to `take` as soon
// as they are decided, in plan order. Bursts wait for every time. Setting
// `stop` ends decide() early.
class BatchPlanner
{
public:
    // Folders in `listed` are not listed again.
    BatchPlanner(const std::vector<RenameJob> &jobs, const RenameOptions &options,
                 const FolderEntryLists &listed = {});
    ~BatchPlanner();

    int fileCount() const;
    void decide(const std::function<void(std::vector<PlannedFile> &&shot)> &take,
                const std::atomic<bool> &stop);

private:
    class Planner;
    std::unique_ptr<Planner> planner_;
};
