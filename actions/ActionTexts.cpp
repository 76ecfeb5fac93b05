#include "actions/ActionTexts.h"

QString DeleteQuestionText(const QStringList &fileNames, DeleteWay way)
{
    const QString what = fileNames.size() == 1 ? QStringLiteral("Bild '%1'").arg(fileNames.front())
                                                : QStringLiteral("%1 Bilder").arg(fileNames.size());
    return way == DeleteWay::ToTrash ? what + QStringLiteral(" in den Papierkorb verschieben?")
                                     : what + QStringLiteral(" endgültig löschen?");
}

QString RenameFailureText(const HandRenameResult &result)
{
    switch (result.problem) {
    case NameProblem::Empty:
        return QStringLiteral("Bitte einen Namen eingeben.");
    case NameProblem::PathSeparator:
        return QStringLiteral("Der Name darf weder \"/\" noch \"\\\" enthalten.");
    case NameProblem::ControlCharacter:
        return QStringLiteral("Der Name darf keine Steuerzeichen enthalten.");
    case NameProblem::None:
        break;
    }
    return QStringLiteral("Die Datei konnte nicht in '%1' umbenannt werden.\n%2")
        .arg(result.newName, result.error.reason());
}

QString DeleteFailureText(const QString &fileName, const FileOpResult &error)
{
    return QStringLiteral("Das Bild '%1' konnte nicht gelöscht werden.\n%2")
        .arg(fileName, error.reason());
}

QString NameTakenText()
{
    return QStringLiteral("Datei existiert bereits.   ");
}
