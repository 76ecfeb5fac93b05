#pragma once

class Form1;

// Attaches the file actions to the items of the list's popup menu
// (show, rename, delete) and enables them. Called once by the window.
void ConnectFileActions(Form1 &form);
