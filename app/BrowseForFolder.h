#pragma once

class Form1;

// The browse button's handler: lets the user choose a folder in frmDirSelect
// and, when the chosen text differs from txtPath's, lists that folder and
// resets the preview and the panel. The main window takes no input while
// the dialog is open.
void BrowseForFolder(Form1 &form);
