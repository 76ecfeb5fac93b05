#pragma once

#include "actions/DeleteQuestion.h"
#include "actions/RenameInFolder.h"

#include <QString>

// The texts the file actions show.

// "Datei existiert bereits."
QString NameTakenText();

// "Bild 'X' in den Papierkorb verschieben?" or "3 Bilder endgültig löschen?".
QString DeleteQuestionText(const QStringList &fileNames, DeleteWay way);
// The message for a rename that did not happen: an invalid name or a refusal.
QString RenameFailureText(const HandRenameResult &result);
QString DeleteFailureText(const QString &fileName, const FileOpResult &error);
