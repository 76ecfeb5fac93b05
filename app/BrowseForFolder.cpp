#include "app/BrowseForFolder.h"

#include "app/MainWindow.h"
#include "app/OpenFolder.h"
#include "dialogs/FolderDialog.h"

#include <QLineEdit>

void BrowseForFolder(MainWindow &window)
{
    // A folder that cannot be listed leaves the list as it was.
    if (const std::optional<QString> folder = ChooseFolder(&window, window.pathField()->text()))
        OpenFolder(window, *folder);
}
