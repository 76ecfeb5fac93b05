#include "app/FileActionsWiring.h"

#include "actions/FileActionsHost.h"
#include "actions/FileCommands.h"
#include "app/Form1.h"

#include <QAction>
#include <QLineEdit>

namespace {

// The main window as the file actions see it; lives as long as the window.
class Form1ActionsHost : public QObject, public FileActionsHost
{
public:
    explicit Form1ActionsHost(Form1 &form) : QObject(&form), form_(form), commands_(*this) {}

    QString PathText() const override { return form_.txtPath()->text(); }
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
}
