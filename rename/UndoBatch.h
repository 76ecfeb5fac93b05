#pragma once

#include "rename/RenameJournal.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

enum class UndoStatus { Restored, Skipped, Failed };

enum class UndoReason {
    None,
    Vanished,         // skipped: the file is under neither name any more (deleted, or renamed since)
    OtherFile,        // skipped: the file of that name is another one now
    OldNameTaken,     // skipped: another file holds the old name
    ShotStays,        // skipped: another file of its shot cannot go back (`blockedBy` tells which and why)
    CopyEdited,       // skipped: the file in the library was changed since it was copied there, and stays
    SourceGone,       // skipped: a copy whose original is gone or changed stays, as the one left
    RenameRefused,    // failed: the system refused the rename
    TimesNotRestored, // failed: renamed back, but its old times not set
    NotJournaled,     // failed: the undo's own journal could not be written
};

// One file taken back: from newPath to oldPath.
struct UndoOutcome
{
    QString newPath;
    QString oldPath;
    UndoStatus status = UndoStatus::Restored;
    UndoReason reason = UndoReason::None;
    FileOpResult system;
    // A copy in a library, which is removed rather than renamed back (its
    // original holds the same).
    bool copy = false;
    // For ShotStays: the outcome of the file that keeps the shot where it is.
    std::shared_ptr<const UndoOutcome> blockedBy;
};

struct UndoRun
{
    // Why nothing was undone (no such batch, its journal unreadable or
    // damaged at its head, its batch still running), or the damaged lines
    // that were passed over while the rest was undone.
    JournalProblem problem;
    std::vector<UndoOutcome> outcomes;
    // Folders the batch made that hold something else now, and stay.
    QStringList keptFolders;

    // Nothing was undone at all.
    bool refused() const { return !problem.ok() && problem.kind != JournalProblem::Kind::DamagedLines; }
    // Every file went back as asked.
    bool allWell() const;
};

// The newest batch that changed anything and that no undo has taken back.
std::optional<JournalInfo> NewestUndoable();

// Takes back batch `number` (an undo too: that redoes its batch), newest
// shot first, through the safe rename, and restores the times it changed
// where the file still holds them. A shot goes back whole or not at all: a
// file of it that cannot go back keeps all of them where they are. A file
// that bears its new name is the one the batch renamed when its inode, size
// and time are unchanged, or else when it holds the same capture time and
// camera model (an edit in another program writes a new file); a companion
// whose photo is found goes with it as it is. Files the batch never
// reached, or that already bear their old names, are nothing to do and not
// reported. The folders the batch made are removed when empty again. The
// undo is journaled as a batch of its own, so that one killed
// half-way can be run again. `progress` hears of each file as it is done.
UndoRun UndoBatch(int number, const std::function<void(const UndoOutcome &)> &progress = {});
