#pragma once

#include "rename/RenamePlan.h"

#include <QString>

#include <functional>

// Names in a library folder that photos are sorted into. A photo already
// there (a card imported twice) is told by its content, not its name.

// The path of the file that holds (or, planned by the batch, will hold)
// `name` in the library folder at hand.
using FileAtName = std::function<QString(const QString &name)>;

// True when the two files hold the same bytes: sizes first, the content
// hash only where they agree.
bool SameContent(const QString &a, const QString &b);

// Where `source` goes in the library folder: `base` + `extension` (unless
// `lettersOnly`), else `base` with the first free letter "a" to "z"; but
// AlreadyPresent at the first of those names that holds the same content.
// LettersTaken when all are taken by other files.
PlannedName PlanIntoLibrary(const QString &source, const QString &base, const QString &extension, bool lettersOnly,
                            const FolderNames &names, const FileAtName &fileAt);

// `name` for a file that follows its shot's lead: free, AlreadyPresent
// where the same content holds it, else NameTaken.
PlannedName FollowIntoLibrary(const QString &source, const QString &name, const FolderNames &names,
                              const FileAtName &fileAt);
