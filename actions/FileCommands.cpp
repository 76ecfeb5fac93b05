#include "actions/FileCommands.h"

#include "actions/ActionTexts.h"
#include "actions/DeleteFromDisk.h"
#include "actions/DeleteQuestion.h"
#include "actions/FileActionsHost.h"
#include "actions/NewName.h"
#include "dialogs/RenameDialog.h"
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
        renameDialog_ = new RenameDialog(&host_.Owner());
    const OfferedName offered = SplitOfferedName(name);
    // The folder and name it was opened with, whatever the list does meanwhile.
    renameDialog_->Open(offered.base, offered.extension,
                        [this, folder = list.folder(), name, extension = offered.extension](const QString &base) {
                            return renameTo(folder, name, base, extension);
                        });
}

bool FileCommands::renameTo(const QString &folder, const QString &name, const QString &base, const QString &extension)
{
    const HandRenameResult result = RenameInFolder(folder, name, base, extension);
    switch (result.outcome) {
    case HandRenameStatus::Unchanged:
        return true;
    case HandRenameStatus::Renamed: {
        FileListBox &list = host_.Files();
        list.reread();
        for (int i = 0; i < list.entryCount(); ++i) {
            if (list.entryName(i) == result.newName) {
                list.setCurrentRow(i);
                list.setEntrySelected(i, true);
            }
        }
        return true;
    }
    case HandRenameStatus::Taken:
        ShowMessage(MessageKind::Information, NameTakenText());
        break;
    case HandRenameStatus::InvalidName:
        ShowMessage(MessageKind::Warning, RenameFailureText(result));
        break;
    case HandRenameStatus::Failed:
        ShowMessage(MessageKind::Critical, RenameFailureText(result));
        break;
    }
    return false;
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
