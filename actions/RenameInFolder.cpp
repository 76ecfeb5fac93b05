#include "actions/RenameInFolder.h"

#include <QDir>

#include <cerrno>

namespace {

// A change of letter case only. A file system that ignores case sees the new
// name taken by the file itself and refuses the no-replace rename; a detour
// over a free name gets there.
FileOpResult RenameLetterCase(const QString &folder, const QString &from, const QString &to)
{
    const FileOpResult direct = SafeRename(folder + from, folder + to);
    if (direct.error != EEXIST)
        return direct;
    const QString detour = folder + QStringLiteral(".%1.fotlex-umbenennen").arg(from);
    const FileOpResult away = SafeRename(folder + from, detour);
    if (!away.ok())
        return away;
    const FileOpResult back = SafeRename(detour, folder + to);
    if (!back.ok())
        SafeRename(detour, folder + from);
    return back;
}

}

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
    result.error = RenameLetterCase(folder, currentName, result.newName);
    result.outcome = result.error.ok() ? HandRenameStatus::Renamed : HandRenameStatus::Failed;
    return result;
}
