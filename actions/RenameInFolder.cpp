#include "actions/RenameInFolder.h"

#include <QDir>

bool NameTakenInFolder(const QString &folder, const QString &name)
{
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

HandRenameResult RenameInFolder(const QString &folder, const QString &currentName,
                            const QString &base, const QString &extension)
{
    HandRenameResult result;
    result.newName = base + extension;
    if (result.newName == currentName)
        return result;

    result.problem = CheckNewBaseName(base);
    if (result.problem != NameProblem::None) {
        result.outcome = HandRenameStatus::InvalidName;
        return result;
    }
    if (NameTakenInFolder(folder, result.newName)) {
        result.outcome = HandRenameStatus::Taken;
        return result;
    }
    result.error = SafeRename(folder + currentName, folder + result.newName);
    result.outcome = result.error.ok() ? HandRenameStatus::Renamed : HandRenameStatus::Failed;
    return result;
}
