#pragma once

#include <QString>
#include <QStringList>

// The one list of file types the program treats as photos: the file list
// shows them, a start path naming one selects it, and the rename takes them.

// The extensions, lower case, each with its dot.
const QStringList &ImageExtensions();

// True when the name ends in one of the extensions, in any letter case.
bool IsImageFileName(const QString &name);

// The list as a file-list pattern: "*.jpg;*.jpe;...".
QString ImagePattern();
