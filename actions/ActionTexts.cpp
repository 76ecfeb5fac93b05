#include "actions/ActionTexts.h"

#include <QCoreApplication>

namespace {

struct ActionTexts
{
    Q_DECLARE_TR_FUNCTIONS(ActionTexts)
};

}

QString DeleteQuestionText(const QStringList &fileNames, DeleteWay way)
{
    const int count = int(fileNames.size());
    if (way == DeleteWay::ToTrash)
        return count == 1 ? ActionTexts::tr("Bild '%1' in den Papierkorb verschieben?").arg(fileNames.front())
                          : ActionTexts::tr("%n Bilder in den Papierkorb verschieben?", nullptr, count);
    return count == 1 ? ActionTexts::tr("Bild '%1' endgültig löschen?").arg(fileNames.front())
                      : ActionTexts::tr("%n Bilder endgültig löschen?", nullptr, count);
}

QString RenameFailureText(const HandRenameResult &result)
{
    switch (result.problem) {
    case NameProblem::Empty:
        return ActionTexts::tr("Bitte einen Namen eingeben.");
    case NameProblem::PathSeparator:
        return ActionTexts::tr("Der Name darf weder \"/\" noch \"\\\" enthalten.");
    case NameProblem::ControlCharacter:
        return ActionTexts::tr("Der Name darf keine Steuerzeichen enthalten.");
    case NameProblem::None:
        break;
    }
    return ActionTexts::tr("Die Datei konnte nicht in '%1' umbenannt werden.\n%2").arg(result.newName, result.error.reason());
}

QString DeleteFailureText(const QString &fileName, const FileOpResult &error)
{
    return ActionTexts::tr("Das Bild '%1' konnte nicht gelöscht werden.\n%2").arg(fileName, error.reason());
}

QString NameTakenText()
{
    return ActionTexts::tr("Datei existiert bereits.");
}
