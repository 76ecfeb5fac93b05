#pragma once

#include "FileContents.h"

#include "actions/FileActionsHost.h"
#include "services/FolderListing.h"
#include "widgets/FileListBox.h"

#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

// A main window stand-in: a real FileListBox over a temporary folder.
class FakeHost : public FileActionsHost
{
public:
    explicit FakeHost(const QStringList &names)
    {
        for (const QString &name : names)
            AddFile(name, name.toUtf8());
        list = new FileListBox(&window);
        list->setPattern(ImagePattern);
        list->setPath(dir.path());
        pathText = dir.path();
        window.resize(300, 300);
        window.show();
    }

    void AddFile(const QString &name, const QByteArray &content) { WriteFile(dir.filePath(name), content); }
    QByteArray Content(const QString &name) const { return ReadFile(dir.filePath(name)); }

    QStringList Entries() const
    {
        QStringList names;
        for (int i = 0; i < list->ListCount(); ++i)
            names << list->List(i);
        return names;
    }

    QList<int> SelectedRows() const
    {
        QList<int> rows;
        for (int i = 0; i < list->ListCount(); ++i) {
            if (list->Selected(i))
                rows << i;
        }
        return rows;
    }

    void Choose(int index)
    {
        list->setListIndex(index);
        list->setSelected(index, true);
    }

    QString PathText() const override { return pathText; }
    FileListBox &Files() override { return *list; }
    QWidget &Owner() override { return window; }

    QTemporaryDir dir;
    QWidget window;
    FileListBox *list = nullptr;
    QString pathText;
};
