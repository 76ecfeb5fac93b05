#pragma once

#include "GuiFiles.h"
#include "app/MainWindow.h"
#include "widgets/FileListBox.h"

// Everything the window tests reach for on MainWindow.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// MainWindow shown on `folder` (list and path field), in a German locale with no
// frozen EXIF time left from an earlier test.
std::unique_ptr<MainWindow> ShowMainWindow(const QString &folder);

// A real mouse click on the list's entry `row`.
void ClickEntry(FileListBox &list, int row, Qt::KeyboardModifiers modifiers = {},
                Qt::MouseButton button = Qt::LeftButton);

// Lets the event loop run until the preview asked for last has come.
void WaitForPreview(const MainWindow &window);

QStringList Entries(const FileListBox &list);
QList<int> SelectedRows(const FileListBox &list);
