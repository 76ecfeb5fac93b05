#pragma once

#include <QString>
#include <QStringList>

// Sorts names as a file manager does: ignoring case, numbers in natural
// order, in the user's language (a plain language where that is "C").
void SortLikeFileManager(QStringList &names);

// "." or "..": the entries of every folder that are no names of its own.
inline bool IsDotOrDotDot(const char *name)
{
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

// The names of the folder's files (not folders) that match `pattern`, sorted
// as a file manager sorts them: ignoring case, numbers in natural order.
// Hidden (dot) files are left out, as a file manager does. Reads no file's
// contents. `ok` is false when the folder cannot be listed. A name whose
// bytes are not UTF-8 (Latin-1 from an old card) has no exact text, so
// nothing could open it by that text: it is left out of the list and goes,
// decoded for display only, to `notUtf8`. `entries` gets every name the
// folder holds, hidden, folders and all, from the same listing.
QStringList ListMatchingFiles(const QString &folder, const QString &pattern, bool *ok = nullptr,
                              QStringList *notUtf8 = nullptr, QStringList *entries = nullptr);
