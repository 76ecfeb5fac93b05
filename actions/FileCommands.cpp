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
    const QString name = list.currentName();
    if (name.isEmpty())
        return;
    // The list's folder: the path field may have been edited since.
    ShellOpen(QDir(list.folder()).filePath(name));
}

void FileCommands::renameCurrent()
{
    FileListBox &list = host_.Files();
    const QString name = list.currentName();
    if (name.isEmpty())
        return;
    if (!renameDialog_)
        renameDialog_ = new RenameDialog(host_);
    renameDialog_->Open(list.folder(), name);
}

void FileCommands::deleteSelected()
{
    FileListBox &list = host_.Files();
    QStringList names;
    for (int i = 0; i < list.entryCount(); ++i) {
        if (list.isEntrySelected(i))
            names << list.entryName(i);
    }
    if (names.isEmpty() && !list.currentName().isEmpty())
        names << list.currentName();
    if (names.isEmpty() || !AskDelete(&host_.Owner(), names, DeleteWay::ToTrash))
        return;

    int position = list.currentRow();
    QStringList withoutTrash;
    for (const QString &name : names) {
        if (!MoveToTrash(QDir(list.folder()).filePath(name)))
            withoutTrash << name;
    }
    // Only where no trash is possible (another file system without one) is
    // a file deleted for good, after a question of its own.
    qsizetype gone = names.size() - withoutTrash.size();
    QStringList failures;
    if (!withoutTrash.isEmpty() && AskDelete(&host_.Owner(), withoutTrash, DeleteWay::ForGood)) {
        for (const QString &name : withoutTrash) {
            const FileOpResult result = DeleteFromDisk(QDir(list.folder()).filePath(name));
            if (result.ok())
                ++gone;
            else
                failures << DeleteFailureText(name, result);
        }
    }
    // With nothing gone, list and selection stay as they were.
    if (gone > 0) {
        list.reread();
        position = std::min(position, list.entryCount() - 1);
        if (position >= 0) {
            list.setCurrentRow(position);
            list.setEntrySelected(position, true);
        }
    }
    if (!failures.isEmpty())
        ShowMessage(MessageKind::Critical, failures.join(u'\n'));
}
