#pragma once

class MainWindow;

// Attaches the file actions to the items of the list's popup menu (show,
// rename, delete) and enables them; a double-click on an entry shows it, F2
// renames and Delete deletes while the list has the focus. Called once by
// the window.
void ConnectFileActions(MainWindow &window);
