#pragma once

#include <QString>

// How the rename dialog offers a file name: the base name to edit and the
// extension shown beside it, which the renamed file always gets in lower case.
struct OfferedName
{
    QString base;
    QString extension;
};

// Split at the last dot: "IMG_0001.JPEG" gives "IMG_0001" and ".jpeg",
// "IMG_0002.heic" "IMG_0002" and ".heic". A name without a dot (or only a
// leading one) is all base.
OfferedName SplitOfferedName(const QString &fileName);

enum class NameProblem {
    None,
    Empty,             // the file would become a bare, hidden ".jpg"
    PathSeparator,     // "/" or "\" would move the file or fail
    ControlCharacter   // only in a name that held one when offered
};

// Checks the base name the user typed (without the extension).
NameProblem CheckNewBaseName(const QString &base);
