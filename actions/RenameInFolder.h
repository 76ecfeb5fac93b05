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

// True when an entry of the folder (file or folder) other than `self` is
// called `name`, compared without regard to letter case: on a case-insensitive
// medium such an entry is the same name, and on any medium the user could not
// tell the two apart. The file being renamed never collides with itself.
bool NameTakenInFolder(const QString &folder, const QString &name, const QString &self);

// Renames folder + currentName to folder + base + extension. `folder` ends in
// a separator. Never replaces an existing file; a change of letter case only
// is a rename like any other.
HandRenameResult RenameInFolder(const QString &folder, const QString &currentName,
                            const QString &base, const QString &extension);
