#include "app/FileActionsWiring.h"

#include "actions/FileActionsHost.h"
#include "actions/FileCommands.h"
#include "app/Form1.h"

#include "widgets/FileListBox.h"

#include <QAction>
#include <QShortcut>

namespace {

// The main window as the file actions see it; lives as long as the window.
class Form1ActionsHost : public QObject, public FileActionsHost
{
public:
    explicit Form1ActionsHost(Form1 &form) : QObject(&form), form_(form), commands_(*this) {}

    FileListBox &Files() override { return *form_.FileList(); }
    QWidget &Owner() override { return form_; }

    FileCommands &Commands() { return commands_; }

private:
    Form1 &form_;
    FileCommands commands_;
};

}

void ConnectFileActions(Form1 &form)
{
    auto *host = new Form1ActionsHost(form);
    FileCommands *commands = &host->Commands();
    QObject::connect(form.mnuShow(), &QAction::triggered, commands, &FileCommands::mnuShowClick);
    QObject::connect(form.mnuRename(), &QAction::triggered, commands, &FileCommands::mnuRenameClick);
    QObject::connect(form.mnuDelete(), &QAction::triggered, commands, &FileCommands::mnuDeleteClick);
    for (QAction *item : {form.mnuShow(), form.mnuRename(), form.mnuDelete()})
        item->setEnabled(true);
    QObject::connect(form.FileList(), &FileListBox::entryDoubleClicked, commands,
                     &FileCommands::mnuShowClick);

    // The keys act only while the list has the focus; in the path field
    // Delete edits the text.
    const auto listKey = [&form, commands](QKeySequence key, void (FileCommands::*command)()) {
        auto *shortcut = new QShortcut(key, form.FileList(), commands, command);
        shortcut->setContext(Qt::WidgetShortcut);
    };
    listKey(QKeySequence(Qt::Key_F2), &FileCommands::mnuRenameClick);
    listKey(QKeySequence(Qt::Key_Delete), &FileCommands::mnuDeleteClick);
}
