#pragma once

#include "actions/NewName.h"
#include "services/SafeRename.h"

#include <QString>

enum class HandRenameStatus {
    Unchanged,    // the offered name confirmed unchanged: nothing was touched
    Renamed,
    InvalidName,  // see `problem`; nothing was touched
    Taken,        // another entry of the folder has the name, in any letter case
    Failed        // the system refused; see `error`
};

struct HandRenameResult
{
    HandRenameStatus outcome = HandRenameStatus::Unchanged;
    QString newName;
    NameProblem problem = NameProblem::None;
    FileOpResult error;
};

// Renames currentName in `folder` to base + extension. Never replaces an existing file; a change of letter case only
// is a rename like any other.
HandRenameResult RenameInFolder(const QString &folder, const QString &currentName,
                            const QString &base, const QString &extension);
