#include "actions/FileMenu.h"

#include "actions/FileCommands.h"

#include <QMenu>

void AddFileMenuItems(QMenu &mnuPop, FileCommands &commands)
{
    QAction *mnuShow = mnuPop.addAction(QStringLiteral("Bild Anzeigen..."), &commands,
                                        &FileCommands::mnuShowClick);
    mnuShow->setObjectName(QStringLiteral("mnuShow"));
    mnuPop.addSeparator();
    QAction *mnuRename = mnuPop.addAction(QStringLiteral("Bild umbenennen..."), &commands,
                                          &FileCommands::mnuRenameClick);
    mnuRename->setObjectName(QStringLiteral("mnuRename"));
    QAction *mnuDelete = mnuPop.addAction(QStringLiteral("Bild löschen..."), &commands,
                                          &FileCommands::mnuDeleteClick);
    mnuDelete->setObjectName(QStringLiteral("mnuDelete"));
}
