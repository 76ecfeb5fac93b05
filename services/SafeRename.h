#pragma once

#include "services/FileOpResult.h"

#include <QString>

// Renames a file and never replaces an existing one, not even one whose
// name differs only in letter case on a case-insensitive file system.
FileOpResult SafeRename(const QString &oldPath, const QString &newPath);

// The same by link() and unlink(), for file systems that refuse the kernel's
// no-replace rename; SafeRename falls back to it by itself.
FileOpResult SafeRenameByLink(const QString &oldPath, const QString &newPath);
