#pragma once

#include <QString>

class FileListBox;
class MainWindow;

// The path field shows `folder` and the list its images; the preview and the
// summary are emptied. False, with the list as it was, when the folder cannot
// be listed.
bool OpenFolder(MainWindow &window, const QString &folder);

// Enter in the path field: opens the typed folder, or says in German that
// there is no such folder.
void OpenTypedFolder(MainWindow &window);

// Makes the first entry called `name`, in any letter case, the selected and
// current one; nothing when there is none.
void SelectEntryNamed(FileListBox &list, const QString &name);

// A second start's path handed over: opens its folder and selects the named
// photo, as the start-up does, then asks to come to the front (a window
// manager may refuse). While a modal dialog is open, it waits for it to close.
void ShowHandedOver(MainWindow &window, const QString &path);
