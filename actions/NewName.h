#pragma once

#include <QString>

// How the rename dialog offers a file name: the base name to edit and the
// extension shown beside it, which the renamed file always gets in lower case.
struct OfferedName
{
    QString base;
    QString extension;
};

// "IMG_0001.JPEG" gives "IMG_0001" and ".jpeg"; any other name is split four
// characters from its end, so "x.tiff" gives "x." and ".iff".
OfferedName SplitOfferedName(const QString &fileName);

enum class NameProblem {
    None,
    Empty,             // the file would become a bare, hidden ".jpg"
    PathSeparator,     // "/" or "\" would move the file or fail
    ControlCharacter   // only reachable by pasting, past the key filter
};

// Checks the base name the user typed (without the extension).
NameProblem CheckNewBaseName(const QString &base);
