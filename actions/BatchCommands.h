#pragma once

#include "rename/BatchRename.h"

#include <vector>

class BatchHost;
class FileListBox;

// The list's selected entries as rename jobs, in list order.
std::vector<RenameJob> SelectedRenameJobs(const FileListBox &list);

// The rename button: renames the selected entries after their capture
// times (or the frozen time with a letter). A batch that runs longer than
// half a second shows its progress, and "Abbrechen" stops it after the shot
// in hand. Then the folder is read again, the files left alone stay
// selected, the status line says how it went, and a report names the files
// left alone, or, after "Abbrechen", what was done. Freeze mode without a
// frozen time renames nothing and says so.
void RenameSelection(BatchHost &host);

// "Umbenennen mit Vorschau...": the plan of the selection in the preview
// dialog, carried out as the button's batch is, with its progress. A target
// folder chosen there is remembered as the next browse's start only.
void RenameWithPreview(BatchHost &host);

// "Letzte Umbenennung rückgängig": asks first, naming the batch and the
// files it renamed, then takes it back, reads the folder again and reports.
void UndoLastBatch(BatchHost &host);
