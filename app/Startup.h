#pragma once

#include <QStringList>

#include <memory>

class MainWindow;

// The start-up after the single-instance test: the settings of the program
// `executable`, the main window at its remembered size and place (a first
// start: most of the screen, centred), opened on `paths` (see
// MainWindow::openPaths) and shown, with the message on paths it could not
// follow over it.
std::unique_ptr<MainWindow> StartMainWindow(const QString &executable, const QStringList &paths);
