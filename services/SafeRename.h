#pragma once

#include "services/FileOpResult.h"

#include <QString>

// Renames a file and never replaces an existing one, not even one whose
// name differs only in letter case on a case-insensitive file system.
FileOpResult SafeRename(const QString &oldPath, const QString &newPath);
