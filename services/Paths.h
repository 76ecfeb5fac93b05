#pragma once

#include <QChar>
#include <QDir>
#include <QString>

// Path and file routines shared by the windows and the command-line tool.
// The text routines take the separator as a parameter so that they serve
// both "\" and "/" paths; it defaults to the platform's own.

inline QChar NativeSeparator() { return QDir::separator(); }

// Appends the separator to `path` unless it ends in one; returns the result.
QString AddBackslash(QString &path, QChar separator = NativeSeparator());
// The folder holding the last element, without a trailing separator. A
// leading "\" is dropped first ("\Fotos\" gives "Fotos"); a leading "/" is
// the root and stays ("/bild.jpg" gives "/").
QString FolderPart(const QString &path, QChar separator = NativeSeparator());
QString FileNamePart(const QString &path, QChar separator = NativeSeparator());
// The absolute path as the file system spells it; an unknown path unchanged,
// since on a case-sensitive file system another spelling names another path.
QString LongNameOf(const QString &path);
// A file (not a folder) that can be opened for reading.
bool FileExists(const QString &path);
// A folder that can be listed.
bool FolderExists(const QString &folder);
// Creates every missing level; false at the first level that cannot be made.
// Appends the separator to the caller's text. Leaves the working folder alone.
bool CreateFolderPath(QString &folder);
// Removes double quotes from the caller's text; returns the result. After a
// removed quote the next two characters are passed over, so of two adjacent
// quotes only the first goes.
QString StripQuotes(QString &text);
// Sets a refused key code to 0. Mode 1 is the file-name mode.
void FilterNameKey(int &keyCode, int mode = 1);
