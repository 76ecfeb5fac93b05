#pragma once

#include "rename/BatchRename.h"
#include "rename/UndoBatch.h"

#include <vector>

class QWidget;

// The batch report after the preview dialog renamed: the files left alone
// and the companions that moved; nothing when every file was renamed alone.
void ShowRenameReport(QWidget &owner, const std::vector<RenameOutcome> &outcomes);

// The lines and totals of an undo in the batch report, or why nothing could
// be undone in a message.
void ShowUndoReport(QWidget &owner, int number, const UndoRun &run);
