#pragma once

#include "rename/BatchPlan.h"
#include "rename/UndoBatch.h"

class QWidget;

// What a batch did, in a message: the totals, and the lines of the files
// left alone or failed and of the companions that moved with their photo
// (copyable under "Details"). Nothing when every asked-for file was renamed
// and nothing followed it.
void ShowRenameReport(QWidget &owner, const BatchPlan &plan, const std::vector<RenameOutcome> &outcomes);

// The lines and totals of an undo, or why nothing could be undone.
void ShowUndoReport(QWidget &owner, int number, const UndoRun &run);
