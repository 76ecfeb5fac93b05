#include "dialogs/NewFolderName.h"

#include <QCoreApplication>
#include <QFile>

namespace {

constexpr qsizetype NameMax = 255;

struct FolderNameText
{
    Q_DECLARE_TR_FUNCTIONS(FolderNameText)
};

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
        return FolderNameText::tr("Die Namen \".\" und \"..\" sind für einen neuen Ordner nicht zulässig.");
    case FolderNameFault::Separator:
        return FolderNameText::tr("Der Ordnername darf keinen Schrägstrich \"/\" enthalten.");
    case FolderNameFault::ControlCharacter:
        return FolderNameText::tr("Der Ordnername darf keine Steuerzeichen (z. B. Zeilenumbrüche) enthalten.");
    case FolderNameFault::TooLong:
        return FolderNameText::tr("Der Ordnername ist zu lang (höchstens %1 Bytes).").arg(NameMax);
    case FolderNameFault::Taken:
        return FolderNameText::tr("Ein Ordner mit diesem Namen existiert bereits.");
    case FolderNameFault::Refused:
        return FolderNameText::tr("Der Ordner konnte nicht umbenannt werden.\n"
                              "Der Datenträger lässt diesen Namen möglicherweise nicht zu.");
    case FolderNameFault::NotCreated:
        return FolderNameText::tr("Der Ordner konnte nicht angelegt werden.\n"
                              "Der Datenträger ist möglicherweise schreibgeschützt.");
    }
    return {};
}
