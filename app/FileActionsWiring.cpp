#include "app/FileActionsWiring.h"

#include "actions/FileActionsHost.h"
#include "actions/FileCommands.h"
#include "app/MainWindow.h"

#include "widgets/FileListBox.h"

#include <QAction>
#include <QShortcut>

namespace {

// The main window as the file actions see it; lives as long as the window.
class WindowActionsHost : public QObject, public FileActionsHost
{
public:
    explicit WindowActionsHost(MainWindow &window) : QObject(&window), form_(window), commands_(*this) {}

    FileListBox &Files() override { return *form_.FileList(); }
    QWidget &Owner() override { return form_; }

    FileCommands &Commands() { return commands_; }

private:
    MainWindow &form_;
    FileCommands commands_;
};

}

void ConnectFileActions(MainWindow &window)
{
    auto *host = new WindowActionsHost(window);
    FileCommands *commands = &host->Commands();
    QObject::connect(window.mnuShow(), &QAction::triggered, commands, &FileCommands::mnuShowClick);
    QObject::connect(window.mnuRename(), &QAction::triggered, commands, &FileCommands::mnuRenameClick);
    QObject::connect(window.mnuDelete(), &QAction::triggered, commands, &FileCommands::mnuDeleteClick);
    for (QAction *item : {window.mnuShow(), window.mnuRename(), window.mnuDelete()})
        item->setEnabled(true);
    QObject::connect(window.FileList(), &FileListBox::entryDoubleClicked, commands,
                     &FileCommands::mnuShowClick);

    // The keys act only while the list has the focus; in the path field
    // Delete edits the text.
    const auto listKey = [&window, commands](QKeySequence key, void (FileCommands::*command)()) {
        auto *shortcut = new QShortcut(key, window.FileList(), commands, command);
        shortcut->setContext(Qt::WidgetShortcut);
    };
    listKey(QKeySequence(Qt::Key_F2), &FileCommands::mnuRenameClick);
    listKey(QKeySequence(Qt::Key_Delete), &FileCommands::mnuDeleteClick);
}
