#pragma once

#include "services/FileOpResult.h"

#include <QString>

#include <functional>

// Renames a file and never replaces an existing one, not even one whose
// name differs only in letter case on a case-insensitive file system.
// Where the file system cannot rename without replacing (some FUSE file
// systems, older NFS), the new name is linked and the old one unlinked;
// `beforeLink` runs first (a journal notes the step, so that a kill between
// the two can be mended), and a failure it returns is the rename's.
FileOpResult SafeRename(const QString &oldPath, const QString &newPath,
                        const std::function<FileOpResult()> &beforeLink = {});

// The trace of a link fallback cut short: when `keep` and `extra` are two
// names of one file, `extra` goes. Anything else is left alone (ENOENT when
// either name is missing, EEXIST when they name two files).
FileOpResult DropSecondName(const QString &keep, const QString &extra);
