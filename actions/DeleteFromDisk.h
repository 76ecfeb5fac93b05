#pragma once

#include "services/SafeRename.h"

#include <QString>

// Deletes the file for good (no trash). Folders are refused.
FileOpResult DeleteFromDisk(const QString &path);

// Moves the file to the desktop's trash; false where there is none for its
// file system (or the move failed), and the file is then where it was.
bool MoveToTrash(const QString &path);
