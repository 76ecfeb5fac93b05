#pragma once

#include "metadata/CaptureTime.h"
#include "rename/FolderNames.h"

#include <QString>

// The naming rules of the batch rename by EXIF time.

// The extension a renamed file gets: ".jpg" for every JPEG spelling (.jpg,
// .jpeg, .jpe in any case), otherwise the file's own extension in lower case
// (a PNG must not end up named .jpg), or nothing for a file without one.
QString RenamedExtension(const QString &fileName);

enum class PlanKind {
    Rename,        // newName is free
    AlreadyNamed,  // the file already bears newName (ignoring case)
    NameTaken,     // another entry of the folder holds newName
    LettersTaken,  // frozen mode: all 26 names are held by other entries
    AlreadyPresent, // a library folder holds the same content under newName
};

struct PlannedName
{
    PlanKind kind = PlanKind::Rename;
    QString newName;
};

// `newName` for the file `oldName`: already its name, taken by another entry, or free.
PlannedName Decide(const QString &oldName, const QString &newName, const FolderNames &names);

// Frozen mode: the base name the pattern makes of the frozen time, the first
// letter "a" to "z" whose name is free, and `extension`; with all 26 taken
// the name stays the one with "z". A file that already bears the base name
// with a letter keeps its name.
PlannedName PlanByFrozenTime(const QString &oldName, const QString &base, const QString &extension,
                             const FolderNames &names);
