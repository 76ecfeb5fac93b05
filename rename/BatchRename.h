#pragma once

#include "rename/FolderNames.h"
#include "services/FileTime.h"
#include "services/SafeRename.h"

#include <QHash>
#include <QString>

#include <functional>
#include <vector>

struct RenameOptions
{
    // Decide and report every file, change nothing on disk.
    bool dryRun = false;
    // Set each renamed (or already so named) file's times to its EXIF time.
    bool fileTimes = false;
    // Frozen mode when not empty: every file gets this time ("YYYY:MM:DD -
    // HH:MM:SS", checked with IsRealExifTime by the caller) and a letter.
    QString frozenTime;
};

enum class RenameStatus { Renamed, Skipped, Failed };

enum class RenameReason {
    None,
    NotAnImage,     // skipped: not one of the file list's image types
    NotRegularFile, // skipped: a FIFO, device or socket named like a photo
    NameNotUtf8,    // skipped: the name's bytes are no UTF-8, so it cannot be named safely
    NoExifTime,     // skipped: no DateTimeOriginal
    BadExifTime,    // skipped: a time that is no real date and time
    AlreadyNamed,   // skipped: the file already bears its new name
    NameTaken,      // skipped: another entry holds the new name
    LettersTaken,   // skipped: frozen mode found all 26 letters taken
    Unreadable,     // failed: the file could not be read
    Missing,        // failed: no such file or folder
    FolderUnreadable,  // failed: the folder could not be listed
    FolderNotWritable, // failed (predicted by a dry run): no right to rename in the folder
    RenameRefused,  // failed: the system refused the rename
};

struct RenameOutcome
{
    QString oldPath;   // folder as given + old name
    QString newPath;   // folder as given + new name, when one was decided
    RenameStatus status = RenameStatus::Skipped;
    RenameReason reason = RenameReason::None;
    QString time;           // the EXIF time used or found
    FileOpResult system;    // the system's error for a failure or for the times
    // Set unless asked file times could not be set: the file keeps its new
    // (or existing) name all the same.
    FileTimeResult timeResult = FileTimeResult::Set;

    bool timesNotSet() const { return timeResult != FileTimeResult::Set; }
};

// Renames files one at a time after their EXIF time, never replacing a file.
// Keeps the names of every folder it touched up to date, so that a later
// file's collision test sees what an earlier one was renamed to.
class BatchRename
{
public:
    explicit BatchRename(RenameOptions options);

    // `folder` ends in a separator (or is empty for the working folder). The
    // caller has picked the file list's image types.
    RenameOutcome renameFile(const QString &folder, const QString &name);

private:
    FolderNames *namesOf(const QString &folder, FileOpResult &error);
    void setTimes(RenameOutcome &outcome, const QString &path);

    RenameOptions options_;
    QHash<QString, FolderNames> folders_;  // by canonical folder path
    QHash<QString, QString> canonical_;    // folder text as given -> canonical
};

struct RenameJob
{
    QString folder;  // ends in a separator, or empty
    QString name;
};

// Called after each file; returning false stops the batch after that file.
using RenameProgress = std::function<bool(const RenameOutcome &outcome, int done, int total)>;

std::vector<RenameOutcome> RunBatchRename(const std::vector<RenameJob> &jobs,
                                          const RenameOptions &options,
                                          const RenameProgress &progress = {});
