#include "actions/FileCommands.h"

#include "actions/ActionTexts.h"
#include "actions/DeleteFromDisk.h"
#include "actions/DeleteQuestion.h"
#include "actions/FileActionsHost.h"
#include "actions/frmRename.h"
#include "services/Paths.h"
#include "ui/Ui.h"
#include "widgets/FileListBox.h"

FileCommands::FileCommands(FileActionsHost &host, QObject *parent)
    : QObject(parent), host_(host)
{
}

frmRename *FileCommands::RenameDialog() const
{
    return renameDialog_;
}

QString FullPathOf(QString pathText, const QString &fileName)
{
    return AddBackslash(pathText) + fileName;
}

void FileCommands::mnuShowClick()
{
    const QString name = host_.Files().FileName();
    if (name.isEmpty())
        return;
    ShellOpen(&host_.Owner(), FullPathOf(host_.PathText(), name));
}

void FileCommands::mnuRenameClick()
{
    FileListBox &list = host_.Files();
    const QString name = list.FileName();
    if (name.isEmpty())
        return;
    QString folder = list.Path();
    AddBackslash(folder);
    if (!renameDialog_)
        renameDialog_ = new frmRename(host_);
    renameDialog_->Open(folder, name);
}

void FileCommands::mnuDeleteClick()
{
    FileListBox &list = host_.Files();
    const QString name = list.FileName();
    if (name.isEmpty())
        return;
    // The file the user picked is in the list's folder; the path field may
    // have been edited since it was filled.
    const QString path = FullPathOf(list.Path(), name);
    if (!AskDelete(&host_.Owner(), name))
        return;

    int position = list.ListIndex();
    const FileOpResult result = DeleteFromDisk(path);
    if (!result.ok()) {
        ShowMessage(DeleteFailureText(name, result), 3);
        return;
    }
    list.Refresh();
    if (position > list.ListCount() - 1)
        --position;
    if (position >= 0) {
        list.setListIndex(position);
        list.setSelected(position, true);
    }
}
