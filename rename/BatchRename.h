#pragma once

#include "metadata/CaptureTime.h"
#include "metadata/ExifSummary.h"
#include "rename/FileIdentity.h"
#include "rename/FolderNames.h"
#include "rename/NamePattern.h"
#include "services/FileTime.h"
#include "services/SafeRename.h"

#include <QHash>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

struct RenameOptions
{
    // Decide and report every file, change nothing on disk.
    bool dryRun = false;
    // Set each renamed (or already so named) file's times to its EXIF time.
    bool fileTimes = false;
    // Frozen mode when set: every file gets this time and a letter.
    std::optional<CaptureTime> frozenTime;
    // Photos of the same second get letters in capture order (not frozen).
    bool burst = false;
    // Added to each file's own capture time (not to a frozen one).
    qint64 shiftSeconds = 0;
    // Companion files and the other files of a shot follow their photo.
    bool companions = true;
    // What a file is named, and the folders below its own it goes to.
    NamePattern pattern;
    // The offset in minutes east of UTC a video's movie header time (UTC
    // only) is named in; unset, that of the nearest still of its folder.
    std::optional<int> videoOffsetMinutes;
    // The library folder the photos go below (by the pattern) instead of
    // their own folder; empty: each photo's own folder.
    QString targetFolder;
    // With a target folder: copy, never move.
    bool copy = false;
};

enum class RenameStatus { Renamed, Skipped, Failed };

enum class RenameReason {
    None,
    NotAnImage,     // skipped: not one of the file list's image types
    NotRegularFile, // skipped: a FIFO, device or socket named like a photo
    NameNotUtf8,    // skipped: the name's bytes are no UTF-8, so it cannot be named safely
    NoExifTime,     // skipped: no DateTimeOriginal
    BadExifTime,    // skipped: a time that is no real date and time
    ShiftOutOfRange, // skipped: the clock offset takes the time out of the years 1 to 9999
    AlreadyNamed,   // skipped: the file already bears its new name
    NameTaken,      // skipped: another entry holds the new name
    NameEmpty,      // skipped: the pattern gives this file an empty name (%c without a model)
    NameTooLong,    // skipped: the pattern gives this file a name too long for a file system
    CompanionAmbiguous, // skipped: a companion whose name fits photos of different times
    LettersTaken,   // skipped: frozen mode found all 26 letters taken
    Unreadable,     // failed: the file could not be read
    Missing,        // failed: no such file or folder
    FolderUnreadable,  // failed: the folder could not be listed
    FolderNotWritable, // failed (predicted by a dry run): no right to rename in the folder
    RenameRefused,  // failed: the system refused the rename
    NotJournaled,   // failed: the undo journal could not be written first
};

struct RenameOutcome
{
    QString oldPath;   // folder as given + old name
    QString newPath;   // folder as given + new name, when one was decided
    RenameStatus status = RenameStatus::Skipped;
    RenameReason reason = RenameReason::None;
    // The capture time that names the file and gives its times; for
    // ShiftOutOfRange the one read.
    std::optional<CaptureTime> time;
    QString timeText;       // the capture time tag's text, when it holds no real time
    FileOpResult system;    // the system's error for a failure or for the times
    // Set unless asked file times could not be set: the file keeps its new
    // (or existing) name all the same.
    FileTimeResult timeResult = FileTimeResult::Set;

    // A companion file (an .xmp, a .wav) that follows its photo's name; its
    // own times are left alone.
    bool companion = false;
    // A movie header's time named in the computer's zone, since no still of
    // its folder told the zone of the place.
    bool computerZone = false;

    bool timesNotSet() const { return timeResult != FileTimeResult::Set; }
};

// What reading a file's capture time learnt: the outcome so far (its
// `time` as the file holds it), the camera model beside it, and the file's
// identity from the same open.
struct TimeRead
{
    RenameOutcome outcome;
    QString camera;
    QString make;
    CaptureSource source = CaptureSource::Exif;
    std::optional<FileIdentity> identity;
};

// The capture time of the file in the outcome's `time`, or the file
// skipped or failed with the reason it has none; one open and a read of
// its first 4 KiB (64 KiB where the identity needs the head's hash), more
// only where the EXIF directory lies beyond. A file without a time of its
// own takes its XMP sidecar's.
TimeRead ReadCaptureTime(const QString &folder, const QString &name);

struct RenameJob
{
    QString folder;  // ends in a separator, or empty
    QString name;
    // Known without a look at the file (not an image, a folder not listed).
    std::optional<RenameOutcome> decided = std::nullopt;
};

// The pattern `text`, checked against the file system of every folder of
// the jobs before anything moves.
std::variant<NamePattern, PatternError> PatternForJobs(const QString &text, const std::vector<RenameJob> &jobs);

// What a batch learns about folders and files, and the step that carries out
// one decided file. Keeps the names of every folder it touched up to date,
// so that a later file's collision test sees what an earlier one was renamed to.
class BatchRename
{
public:
    explicit BatchRename(RenameOptions options);

    const RenameOptions &options() const { return options_; }

    // The names of `folder` (ends in a separator or is empty), read once;
    // none for a folder that is not there.
    FolderNames *namesOf(const QString &folder, FileOpResult &error);
    // Takes the folder's entries, listed by the caller just now, as its names.
    void knowEntries(const QString &folder, const QStringList &entries);

    // Renames a file planned Renamed (not in a dry run); a refusal makes it
    // Failed. With `stampTimes` and the option, then sets its times (also of
    // a file already so named). `beforeLink` as for SafeRename.
    void carryOut(RenameOutcome &outcome, bool stampTimes,
                  const std::function<FileOpResult()> &beforeLink = {}) const;

    // The folder's path with links resolved, so that two spellings of one
    // folder are one.
    const QString &canonicalOf(const QString &folder);

private:
    void setTimes(RenameOutcome &outcome, const QString &path) const;

    RenameOptions options_;
    QHash<QString, FolderNames> folders_;  // by canonical folder path
    QHash<QString, QString> canonical_;    // folder text as given -> canonical
};

// Called after each file; returning false stops the batch after that file's shot.
using RenameProgress = std::function<bool(const RenameOutcome &outcome, int done, int total)>;
// Bytes of the batch's copies done and in all, heard while files are
// copied (at least every 8 MiB and after each file); never called
// without copies.
using CopyProgress = std::function<void(qint64 done, qint64 total)>;
