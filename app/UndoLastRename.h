#pragma once

class MainWindow;

// Adds "Letzte Umbenennung rückgängig" to the list's popup menu and Ctrl+Z
// to the list: asks first, naming the batch (folder, date, count), then
// takes it back, reads the folder again and shows the report.
void ConnectUndoLastRename(MainWindow &window);

// The command itself; a message when there is nothing to undo.
void UndoLastRename(MainWindow &window);
