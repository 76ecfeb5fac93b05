#include "rename/RenamePlan.h"

#include "services/FileTime.h"

#include <QDate>
#include <QTime>

namespace {

// Digits at `pos`..`pos + len - 1`, or -1 if any is not a digit.
int Number(const QString &text, int pos, int len)
{
    int value = 0;
    for (int i = pos; i < pos + len; ++i) {
        const QChar c = text.at(i);
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace

PlannedName Decide(const QString &oldName, const QString &newName, const FolderNames &names)
{
    if (FolderNames::key(oldName) == FolderNames::key(newName))
        return {PlanKind::AlreadyNamed, newName};
    if (names.contains(newName))
        return {PlanKind::NameTaken, newName};
    return {PlanKind::Rename, newName};
}

bool IsRealExifTime(const QString &time)
{
    // 0123456789012345678901
    // YYYY:MM:DD - HH:MM:SS
    if (time.size() != 21 || time.at(4) != u':' || time.at(7) != u':'
        || time.mid(10, 3) != QLatin1String(" - ") || time.at(15) != u':' || time.at(18) != u':')
        return false;
    const int year = Number(time, 0, 4), month = Number(time, 5, 2), day = Number(time, 8, 2);
    const int hour = Number(time, 13, 2), minute = Number(time, 16, 2), second = Number(time, 19, 2);
    if (year < 1 || month < 0 || day < 0 || hour < 0 || minute < 0 || second < 0)
        return false;
    return QDate::isValid(year, month, day) && QTime::isValid(hour, minute, second);
}

QString ExifTimeFromText(const QString &text)
{
    if (text.size() != 19 || text.at(10) != u' ')
        return {};
    return text.left(10) + QStringLiteral(" - ") + text.right(8);
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

PlannedName PlanByOwnTime(const QString &oldName, const QString &time, const FolderNames &names,
                          const QString &letters)
{
    QString base = time;
    return Decide(oldName, ColonsToDashes(base) + letters + RenamedExtension(oldName), names);
}

PlannedName PlanByFrozenTime(const QString &oldName, const QString &frozenTime,
                             const FolderNames &names)
{
    QString base = frozenTime;
    ColonsToDashes(base);
    const QString ext = RenamedExtension(oldName);
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
