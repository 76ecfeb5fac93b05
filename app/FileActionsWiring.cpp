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

    FileListBox &Files() override { return *form_.files(); }
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
    QObject::connect(window.showAction(), &QAction::triggered, commands, &FileCommands::showCurrent);
    QObject::connect(window.renameAction(), &QAction::triggered, commands, &FileCommands::renameCurrent);
    QObject::connect(window.deleteAction(), &QAction::triggered, commands, &FileCommands::deleteSelected);
    for (QAction *item : {window.showAction(), window.renameAction(), window.deleteAction()})
        item->setEnabled(true);
    QObject::connect(window.files(), &FileListBox::entryDoubleClicked, commands,
                     &FileCommands::showCurrent);

    // The keys act only while the list has the focus; in the path field
    // Delete edits the text.
    const auto listKey = [&window, commands](QKeySequence key, void (FileCommands::*command)()) {
        auto *shortcut = new QShortcut(key, window.files(), commands, command);
        shortcut->setContext(Qt::WidgetShortcut);
    };
    listKey(QKeySequence(Qt::Key_F2), &FileCommands::renameCurrent);
    listKey(QKeySequence(Qt::Key_Delete), &FileCommands::deleteSelected);
}
