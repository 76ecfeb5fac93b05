#pragma once

class MainWindow;

// The browse button's handler: lets the user choose a folder in the folder
// dialog, starting at the path field's, and lists the chosen folder with the
// preview and the panel reset. The main window takes no input while the
// dialog is open; cancelling changes nothing.
void BrowseForFolder(MainWindow &window);
