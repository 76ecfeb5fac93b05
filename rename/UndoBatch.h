#pragma once

#include "rename/RenameJournal.h"

#include <functional>
#include <optional>
#include <vector>

enum class UndoStatus { Restored, Skipped, Failed };

enum class UndoReason {
    None,
    NameGone,         // skipped: no file bears the new name any more
    OtherFile,        // skipped: the file of that name is another one now
    OldNameTaken,     // skipped: another file holds the old name
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
};

struct UndoRun
{
    // Why nothing was undone: no such batch, its journal unreadable, or its
    // batch still running (EWOULDBLOCK).
    FileOpResult problem;
    std::vector<UndoOutcome> outcomes;
};

// The newest rename batch that no complete undo has taken back.
std::optional<JournalInfo> NewestUndoable();

// Takes back batch `number`, newest file first, through the safe rename,
// and restores the times it changed. Files the batch never reached, or that
// already bear their old names, are nothing to do and not reported. The
// undo is journaled as a batch of its own, so that one killed half-way can
// be run again. `progress` hears of each file as it is done.
UndoRun UndoBatch(int number, const std::function<void(const UndoOutcome &)> &progress = {});
