#include "actions/RenameInFolder.h"

#include <QDir>

#include <cerrno>

namespace {

// A change of letter case only. A file system that ignores case sees the new
// name taken by the file itself and refuses the no-replace rename; a detour
// over a free name gets there.
FileOpResult RenameLetterCase(const QDir &folder, const QString &from, const QString &to)
{
    const FileOpResult direct = SafeRename(folder.filePath(from), folder.filePath(to));
    if (direct.error != EEXIST)
        return direct;
    const QString detour = folder.filePath(QStringLiteral(".%1.fotlex-umbenennen").arg(from));
    const FileOpResult away = SafeRename(folder.filePath(from), detour);
    if (!away.ok())
        return away;
    const FileOpResult back = SafeRename(detour, folder.filePath(to));
    if (!back.ok())
        SafeRename(detour, folder.filePath(from));
    return back;
}

// True when an entry of the folder (file or folder) other than `self` is
// called `name`, compared without regard to letter case: on a case-insensitive
// medium such an entry is the same name, and on any medium the user could not
// tell the two apart. The file being renamed never collides with itself.
bool NameTakenInFolder(const QString &folder, const QString &name, const QString &self)
{
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry != self && entry.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

}

HandRenameResult RenameInFolder(const QString &folder, const QString &currentName,
                            const QString &base, const QString &extension)
{
    HandRenameResult result;
    result.newName = base + extension;
    // The offered extension is in lower case; confirming the offered name of
    // "IMG.JPG" unchanged is no rename.
    if (currentName.startsWith(base)
        && currentName.mid(base.size()).compare(extension, Qt::CaseInsensitive) == 0)
        return result;

    result.problem = CheckNewBaseName(base);
    if (result.problem != NameProblem::None) {
        result.outcome = HandRenameStatus::InvalidName;
        return result;
    }
    if (NameTakenInFolder(folder, result.newName, currentName)) {
        result.outcome = HandRenameStatus::Taken;
        return result;
    }
    result.error = RenameLetterCase(QDir(folder), currentName, result.newName);
    result.outcome = result.error.ok() ? HandRenameStatus::Renamed : HandRenameStatus::Failed;
    return result;
}
