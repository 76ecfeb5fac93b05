#pragma once

#include "actions/NewName.h"
#include "services/SafeRename.h"

#include <QString>

enum class HandRenameStatus {
    Unchanged,    // the new name is the current one: nothing was touched
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

// True when an entry of the folder (file or folder) is called `name`, compared
// without regard to letter case: on a case-insensitive medium such an entry is
// the same name, and on any medium the user could not tell the two apart.
bool NameTakenInFolder(const QString &folder, const QString &name);

// Renames folder + currentName to folder + base + extension. `folder` ends in
// a separator. Never replaces an existing file.
HandRenameResult RenameInFolder(const QString &folder, const QString &currentName,
                            const QString &base, const QString &extension);
