#include "dialogs/NewFolderName.h"

#include <QFile>

namespace {

constexpr qsizetype NameMax = 255;

}

FolderNameFault CheckNewFolderName(const QString &name)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return FolderNameFault::DotLevel;
    for (const QChar c : name) {
        if (c == QLatin1Char('/'))
            return FolderNameFault::Separator;
        if (c.category() == QChar::Other_Control)
            return FolderNameFault::ControlCharacter;
    }
    if (QFile::encodeName(name).size() > NameMax)
        return FolderNameFault::TooLong;
    return FolderNameFault::None;
}

QString FolderNameFaultText(FolderNameFault fault)
{
    switch (fault) {
    case FolderNameFault::None:
        return {};
    case FolderNameFault::DotLevel:
        return QStringLiteral("Die Namen \".\" und \"..\" sind für einen neuen Ordner nicht zulässig.");
    case FolderNameFault::Separator:
        return QStringLiteral("Der Ordnername darf keinen Schrägstrich \"/\" enthalten.");
    case FolderNameFault::ControlCharacter:
        return QStringLiteral("Der Ordnername darf keine Steuerzeichen (z. B. Zeilenumbrüche) enthalten.");
    case FolderNameFault::TooLong:
        return QStringLiteral("Der Ordnername ist zu lang (höchstens 255 Bytes).");
    case FolderNameFault::Taken:
        return QStringLiteral("Ein Ordner mit diesem Namen existiert bereits.");
    case FolderNameFault::Refused:
        return QStringLiteral("Der Ordner konnte nicht umbenannt werden. \n"
                              "Der Datenträger lässt diesen Namen möglicherweise nicht zu.");
    case FolderNameFault::NotCreated:
        return QStringLiteral("Der Ordner konnte nicht angelegt werden. \n"
                              "Datenträger ist möglicherweise schreibgeschützt.  ");
    }
    return {};
}
