#pragma once

#include "ShownWindow.h"
#include "TestFiles.h"

#include "actions/FileActionsHost.h"
#include "services/ImageTypes.h"

#include <QTemporaryDir>
#include <QWidget>

// A main window stand-in: a real FileListBox over a temporary folder whose
// files hold their own names.
class FakeHost : public FileActionsHost
{
public:
    explicit FakeHost(const QStringList &names)
    {
        for (const QString &name : names)
            WriteFile(dir.filePath(name), name.toUtf8());
        list = new FileListBox(&window);
        list->setPattern(ImagePattern());
        list->setFolder(dir.path());
        window.resize(300, 300);
        window.show();
    }

    QByteArray Content(const QString &name) const { return ReadBytes(dir.filePath(name)); }
    QStringList Entries() const { return ::Entries(*list); }
    QList<int> SelectedRows() const { return ::SelectedRows(*list); }
    void Choose(int index)
    {
        list->setCurrentRow(index);
        list->setEntrySelected(index, true);
    }

    FileListBox &Files() override { return *list; }
    QWidget &Owner() override { return window; }

    QTemporaryDir dir;
    QWidget window;
    FileListBox *list = nullptr;
};
