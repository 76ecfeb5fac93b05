#pragma once

#include <QString>

#include <optional>

// The desktop's programs for a file type, as GIO knows them from the
// desktop entries and mimeapps.list. The id of a program is the name of its
// desktop entry ("org.gnome.eog.desktop").

// The id of the default program for `mimeType`; nothing when none is set.
std::optional<QString> DefaultProgramFor(const QString &mimeType);

// The first program registered for `mimeType` that is not `ownId`; nothing
// when there is none.
std::optional<QString> OtherProgramFor(const QString &mimeType, const QString &ownId);

// Starts the program `id`, registered for `mimeType`, on the file; false
// when it cannot be started.
bool OpenWithProgram(const QString &mimeType, const QString &id, const QString &path);
