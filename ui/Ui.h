#pragma once

#include <QString>

// The program's name: the title of its message boxes and its settings section.
inline const QString ProgramName = QStringLiteral("Fotlex");

enum class MessageKind { Information, Warning, Critical };

// A modal message box with the program's name as its title, over the active window.
void ShowMessage(MessageKind kind, const QString &message);
