#include "rename/RenamePlan.h"

PlannedName Decide(const QString &oldName, const QString &newName, const FolderNames &names)
{
    if (FolderNames::key(oldName) == FolderNames::key(newName))
        return {PlanKind::AlreadyNamed, newName};
    if (names.contains(newName))
        return {PlanKind::NameTaken, newName};
    return {PlanKind::Rename, newName};
}

QString RenamedExtension(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot <= 0)
        return {};
    const QString ext = fileName.mid(dot).toLower();
    if (ext == QLatin1String(".jpg") || ext == QLatin1String(".jpeg") || ext == QLatin1String(".jpe"))
        return QStringLiteral(".jpg");
    return ext;
}

PlannedName PlanByFrozenTime(const QString &oldName, const QString &base, const QString &ext,
                             const FolderNames &names)
{
    // A file that already bears the frozen time with a letter keeps it, so a
    // second run over the folder leaves the first run's order alone.
    const QString oldKey = FolderNames::key(oldName);
    for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
        const QString named = base + QChar(letter) + ext;
        if (oldKey == FolderNames::key(named))
            return {PlanKind::AlreadyNamed, named};
    }
    QString candidate;
    for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
        candidate = base + QChar(letter) + ext;
        if (!names.contains(candidate))
            return {PlanKind::Rename, candidate};
    }
    PlannedName last = Decide(oldName, candidate, names);
    if (last.kind == PlanKind::NameTaken)
        last.kind = PlanKind::LettersTaken;
    return last;
}
