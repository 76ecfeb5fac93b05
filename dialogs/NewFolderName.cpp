#include "dialogs/NewFolderName.h"

#include "services/Paths.h"

#include <QStringList>

FolderNameFault CheckNewFolderName(const QString &name)
{
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return FolderNameFault::ControlCharacter;
    }
    const QStringList levels = name.split(QLatin1Char('/'));
    for (const QString &level : levels) {
        if (level == QLatin1String(".") || level == QLatin1String(".."))
            return FolderNameFault::DotLevel;
    }
    return FolderNameFault::None;
}

QString FolderNameFaultText(FolderNameFault fault)
{
    switch (fault) {
    case FolderNameFault::None:
        return {};
    case FolderNameFault::DotLevel:
        return QStringLiteral("Die Namen \".\" und \"..\" sind für einen neuen Ordner nicht zulässig.");
    case FolderNameFault::ControlCharacter:
        return QStringLiteral("Der Ordnername darf keine Steuerzeichen (z. B. Zeilenumbrüche) enthalten.");
    }
    return {};
}

QString NewFolderPath(QString folder, const QString &name)
{
    return AddBackslash(folder) + name;
}
