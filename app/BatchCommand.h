#pragma once

#include "rename/BatchRename.h"

#include <QString>

#include <vector>

class MainWindow;

inline const QString NoFrozenTimeText =
    QStringLiteral("Keine EXIF-Zeit zum Einfrieren: bitte zuerst ein Foto mit EXIF-Zeit anzeigen.");

// The list's selected entries, in list order.
std::vector<RenameJob> SelectedRenameJobs(MainWindow &window);

// Connects renameButton ("EXIF-Zeit als Dateiname") to RenameSelectedFiles.
void ConnectBatchRename(MainWindow &window);

// renameButton's click: renames the list's selected entries after their EXIF
// time (or the frozen time with a letter), then re-reads the folder, unchecks
// freezeTime and empties the three bottom labels. Files left alone stay
// selected and are listed, with their reasons, in a report. Freeze mode
// without a frozen time renames nothing and says so. A batch that runs longer
// than half a second shows a progress dialog whose cancel stops after the
// file in hand; the closing steps run all the same.
void RenameSelectedFiles(MainWindow &window);
