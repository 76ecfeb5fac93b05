#pragma once

#include <QStringList>

#include <memory>

class MainWindow;

// The start-up sequence after the single-instance test: program-wide values
// from the executable's path, the settings file, the main window, the folder
// from the command line (arguments after the program's name) or LastPath,
// the pre-selected entry, and the window shown.
std::unique_ptr<MainWindow> StartMainWindow(const QString &executable, const QStringList &arguments);
