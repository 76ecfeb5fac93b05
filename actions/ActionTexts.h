#pragma once

#include "actions/RenameInFolder.h"

#include <QString>

// The German texts the file actions show.

inline const QString NameTakenText = QStringLiteral("Datei existiert bereits.   ");

QString DeleteQuestionText(const QString &fileName);
// The message for a rename that did not happen: an invalid name or a refusal.
QString RenameFailureText(const HandRenameResult &result);
QString DeleteFailureText(const QString &fileName, const FileOpResult &error);
