#pragma once

class FileCommands;
class QMenu;

// Adds "Bild Anzeigen...", a separator, "Bild umbenennen..." and "Bild
// löschen..." (actions mnuShow, mnuRename, mnuDelete) to the popup menu.
void AddFileMenuItems(QMenu &mnuPop, FileCommands &commands);
