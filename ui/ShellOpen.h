#pragma once

#include <QString>

// The program that opens a file in the desktop's default program. Tests put
// a stand-in here.
inline QString ShellOpenProgram = QStringLiteral("xdg-open");

// Opens the file in the desktop's default program and returns at once. When
// the opener ends with a failure (no program for the type, file gone) or
// cannot start at all, a German message says so.
void ShellOpen(const QString &path);

// The message for an opener that ended with `exitCode`, or that could not
// start (`started` false).
QString ShellOpenFailureText(const QString &path, bool started, int exitCode);
