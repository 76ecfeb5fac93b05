#pragma once

#include "rename/RenameMessages.h"
#include "rename/UndoBatch.h"

#include <QString>

#include <vector>

// The texts the batch commands show; the files' own lines and reasons come
// from rename/.

QString NoFrozenTimeText();
QString NothingSelectedText();
QString NothingToUndoText();
// The title of an undo's progress.
QString UndoTitle();
// The status line after a rename: "12 umbenannt", "12 umbenannt, 3
// übersprungen"; after "Abbrechen" it says so.
QString RenameWord(const RenameCounts &counts, bool canceled);
// The status line after an undo: "12 zurückbenannt", "…, 1 übersprungen".
QString UndoWord(const std::vector<UndoOutcome> &outcomes);
// The word as rich text with a link "Bericht anzeigen" after it.
QString WithReportLink(const QString &word);
// The report's closing line after "Abbrechen".
QString CanceledSummary(const QString &summary, int done, int total);
// "Letzte Umbenennung rückgängig machen?" with the batch: its number, when
// it ran, its folder and how many files it changed.
QString UndoQuestion(const JournalInfo &batch);
