#pragma once

#include <QString>

// The result of a file operation: 0 or the system's error number.
struct FileOpResult
{
    int error = 0;
    bool ok() const { return error == 0; }
    // The system's reason, for messages ("Datei oder Verzeichnis nicht gefunden" ...).
    QString reason() const;
};

// Renames a file and never replaces an existing one, not even one whose
// name differs only in letter case on a case-insensitive file system.
FileOpResult SafeRename(const QString &oldPath, const QString &newPath);

// The same by link() and unlink(), for file systems that refuse the kernel's
// no-replace rename; SafeRename falls back to it by itself.
FileOpResult SafeRenameByLink(const QString &oldPath, const QString &newPath);
