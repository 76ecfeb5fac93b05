#pragma once

#include <QString>

// Path routines the windows and the command-line tool share.

// The folder as the start of its files' paths, ending in one "/": "/fotos"
// gives "/fotos/", "/" stays "/".
QString FolderPrefix(const QString &folder);
// The last element of a path: "bild.jpg" of "/fotos/bild.jpg".
QString FileNamePart(const QString &path);
// A file (no folder) that can be opened for reading.
bool FileExists(const QString &path);
// A folder that can be listed.
bool FolderExists(const QString &folder);
