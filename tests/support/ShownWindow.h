#pragma once

#include "GuiFiles.h"
#include "app/MainWindow.h"
#include "widgets/ElidedLabel.h"
#include "widgets/FileListBox.h"
#include "widgets/PreviewView.h"

// Everything the window tests reach for in the main window.
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

// The main window opened on `folder` and shown, in a German locale, with a
// settings file of the tests' own home.
std::unique_ptr<MainWindow> ShowMainWindow(const QString &folder);

// The window's control of that object name (the test fails without it).
template <typename Control>
Control &Find(const QWidget &window, const char *name)
{
    Control *control = window.findChild<Control *>(QLatin1String(name));
    if (!control)
        throw std::runtime_error(std::string("no control ") + name);
    return *control;
}
inline FileListBox &ListOf(const QWidget &window) { return Find<FileListBox>(window, "fileList"); }
inline PreviewView &PreviewOf(const QWidget &window) { return Find<PreviewView>(window, "preview"); }
// The text of an information label (an ElidedLabel) or another QLabel.
QString TextOf(const QWidget &window, const char *name);

// A real mouse click on the list's entry `row`.
void ClickEntry(FileListBox &list, int row, Qt::KeyboardModifiers modifiers = {},
                Qt::MouseButton button = Qt::LeftButton);

// Lets the event loop run until the preview asked for last has come.
void WaitForPreview(const QWidget &window);

QStringList Entries(const FileListBox &list);
QList<int> SelectedRows(const FileListBox &list);
