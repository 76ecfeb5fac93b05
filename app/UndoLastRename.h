#pragma once

class Form1;

// Adds "Letzte Umbenennung rückgängig" to the list's popup menu and Ctrl+Z
// to the list: asks first, naming the batch (folder, date, count), then
// takes it back, reads the folder again and shows the report.
void ConnectUndoLastRename(Form1 &form);

// The command itself; a message when there is nothing to undo.
void UndoLastRename(Form1 &form);
