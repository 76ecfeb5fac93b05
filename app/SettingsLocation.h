#pragma once

#include <QByteArray>
#include <QString>

// Where the settings file lives: beside the executable, named after it with
// the extension "ini". When that folder is not writable (a program installed
// in /usr/bin), "<config home>/fotlex/<section>.ini" instead, where the config
// home is $XDG_CONFIG_HOME when it holds an absolute path, else ~/.config.
QString SettingsFileLocation(const QString &executable, bool executableFolderWritable,
                             const QString &section, const QString &xdgConfigHome,
                             const QString &home);

// The same for this process: its environment and the folder's real rights.
QString SettingsFileFor(const QString &executable, const QString &section);

// LastPath from SettingsFile; AppPath when missing or empty.
QString RememberedLastPath();
// Writes LastPath into SettingsFile, creating its folder if needed.
bool RememberLastPath(const QString &folder);

// The main window's size, place and maximised state (QWidget::saveGeometry)
// in SettingsFile beside LastPath, under the key "Window"; empty when missing.
QByteArray RememberedWindowGeometry();
bool RememberWindowGeometry(const QByteArray &geometry);
