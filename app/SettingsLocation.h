#pragma once

#include <QByteArray>
#include <QString>

// Where the settings file lives. A program run from the build folder it was
// compiled in keeps it beside the executable, named after it with the
// extension "ini", as long as that folder is writable. Every other program
// (an installed one, even run as root with a writable /usr/bin) uses
// "fotlex/<section>.ini" in the user's config folder ($XDG_CONFIG_HOME, else
// ~/.config).
QString SettingsFileFor(const QString &executable, const QString &section);

// LastPath from SettingsFile; AppPath when missing or empty.
QString RememberedLastPath();
// Writes LastPath into SettingsFile, creating its folder if needed.
bool RememberLastPath(const QString &folder);

// The main window's size, place and maximised state (QWidget::saveGeometry)
// in SettingsFile beside LastPath, under the key "Window"; empty when missing.
QByteArray RememberedWindowGeometry();
bool RememberWindowGeometry(const QByteArray &geometry);

// The name pattern of "Umbenennen mit Vorschau...", which the main button
// uses too, under the key "NamePattern"; empty when missing.
QString RememberedNamePattern();
bool RememberNamePattern(const QString &pattern);
