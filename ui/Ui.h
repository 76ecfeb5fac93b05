#pragma once

#include <QString>

class QWidget;

// The program's name: the title of its message boxes and its settings section.
inline const QString ProgramName = QStringLiteral("Fotlex");

// Message box of kind 1 information, 2 exclamation, 3 stop, 4 question; any
// other kind shows nothing. An empty title becomes the program name, also in
// the caller's variable.
void ShowMessage(const QString &message, int kind, QString &title);
void ShowMessage(const QString &message, int kind);
void CenterForm(QWidget &form);
