#pragma once

#include <QString>

// What is wrong with a name typed or pasted for a new folder. A name may hold
// "/" and then names several levels below the open folder.
enum class FolderNameFault {
    None,
    // A level is "." or "..", which would name an existing folder or leave
    // the open folder.
    DotLevel,
    // The name holds a control character (line break, tab, NUL ...).
    ControlCharacter,
};

FolderNameFault CheckNewFolderName(const QString &name);
// The German message for the user; empty for FolderNameFault::None.
QString FolderNameFaultText(FolderNameFault fault);
// The new folder's path: the open folder, one separator, the name.
QString NewFolderPath(QString folder, const QString &name);
