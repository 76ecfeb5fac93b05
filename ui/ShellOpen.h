#pragma once

#include <QString>

// The program that opens a file in the desktop's default program. Tests put
// a stand-in here.
inline QString ShellOpenProgram = QStringLiteral("xdg-open");

// Opens the file in the desktop's default program and returns at once. When
// the opener ends with a failure (no program for the type, file gone) or
// cannot start at all, a message says so. Where the default program is
// Fotlex itself, the first other program registered for the type opens it,
// or a message says that none is and how to choose one.
void ShellOpen(const QString &path);

// The message for an opener that ended with `exitCode`, or that could not
// start (`started` false).
QString ShellOpenFailureText(const QString &path, bool started, int exitCode);
