#include "actions/FileCommands.h"

#include "actions/ActionTexts.h"
#include "actions/DeleteFromDisk.h"
#include "actions/DeleteQuestion.h"
#include "actions/FileActionsHost.h"
#include "actions/RenameDialog.h"
#include "ui/ShellOpen.h"
#include "ui/Ui.h"
#include "widgets/FileListBox.h"

#include <QDir>

#include <algorithm>

FileCommands::FileCommands(FileActionsHost &host, QObject *parent)
    : QObject(parent), host_(host)
{
}

void FileCommands::showCurrent()
{
    FileListBox &list = host_.Files();
    const QString name = list.FileName();
    if (name.isEmpty())
        return;
    // The list's folder: the path field may have been edited since.
    ShellOpen(QDir(list.Path()).filePath(name));
}

void FileCommands::renameCurrent()
{
    FileListBox &list = host_.Files();
    const QString name = list.FileName();
    if (name.isEmpty())
        return;
    if (!renameDialog_)
        renameDialog_ = new RenameDialog(host_);
    renameDialog_->Open(list.Path(), name);
}

void FileCommands::deleteSelected()
{
    FileListBox &list = host_.Files();
    QStringList names;
    for (int i = 0; i < list.ListCount(); ++i) {
        if (list.Selected(i))
            names << list.List(i);
    }
    if (names.isEmpty() && !list.FileName().isEmpty())
        names << list.FileName();
    if (names.isEmpty() || !AskDelete(&host_.Owner(), names, DeleteWay::ToTrash))
        return;

    int position = list.ListIndex();
    QStringList withoutTrash;
    for (const QString &name : names) {
        if (!MoveToTrash(QDir(list.Path()).filePath(name)))
            withoutTrash << name;
    }
    // Only where no trash is possible (another file system without one) is
    // a file deleted for good, after a question of its own.
    qsizetype gone = names.size() - withoutTrash.size();
    QStringList failures;
    if (!withoutTrash.isEmpty() && AskDelete(&host_.Owner(), withoutTrash, DeleteWay::ForGood)) {
        for (const QString &name : withoutTrash) {
            const FileOpResult result = DeleteFromDisk(QDir(list.Path()).filePath(name));
            if (result.ok())
                ++gone;
            else
                failures << DeleteFailureText(name, result);
        }
    }
    // With nothing gone, list and selection stay as they were.
    if (gone > 0) {
        list.Refresh();
        position = std::min(position, list.ListCount() - 1);
        if (position >= 0) {
            list.setListIndex(position);
            list.setSelected(position, true);
        }
    }
    if (!failures.isEmpty())
        ShowMessage(failures.join(u'\n'), 3);
}
