#pragma once

#include <QByteArray>
#include <QString>

// Where the settings file lives. A program run from its build folder keeps it
// beside the executable, named after it with the extension "ini", as long as
// that folder is writable. Every other program (an installed one, even run as
// root with a writable /usr/bin) uses "<config home>/fotlex/<section>.ini",
// where the config home is $XDG_CONFIG_HOME when it holds an absolute path,
// else ~/.config.
QString SettingsFileLocation(const QString &executable, bool besideExecutable,
                             const QString &section, const QString &xdgConfigHome,
                             const QString &home);

// True when the executable lies inside buildTree (both absolute paths).
bool RunsFromBuildTree(const QString &executable, const QString &buildTree);

// The location for this process: the build folder it was compiled in, its
// environment and the folder's real rights.
QString SettingsFileFor(const QString &executable, const QString &section);

// LastPath from SettingsFile; AppPath when missing or empty.
QString RememberedLastPath();
// Writes LastPath into SettingsFile, creating its folder if needed.
bool RememberLastPath(const QString &folder);

// The main window's size, place and maximised state (QWidget::saveGeometry)
// in SettingsFile beside LastPath, under the key "Window"; empty when missing.
QByteArray RememberedWindowGeometry();
bool RememberWindowGeometry(const QByteArray &geometry);
