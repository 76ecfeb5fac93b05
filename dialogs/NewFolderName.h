#pragma once

#include <QString>

// What went wrong with a new folder or its name.
enum class FolderNameFault {
    None,
    // "." or "..": an existing folder, not a new one.
    DotLevel,
    // "/" would name a folder elsewhere.
    Separator,
    // A line break, tab, NUL or other control character.
    ControlCharacter,
    // More than the 255 bytes a name may have on Linux file systems.
    TooLong,
    // Another entry of the folder has the name.
    Taken,
    // The file system refused the name (a memory card refuses ? : * | and others).
    Refused,
    // The folder could not be made at all.
    NotCreated,
};

// The faults a name shows by itself, before the file system is asked.
FolderNameFault CheckNewFolderName(const QString &name);
// The message for the user; empty for FolderNameFault::None.
QString FolderNameFaultText(FolderNameFault fault);
