#pragma once

#include "rename/UndoBatch.h"

#include <QString>

// "NEU -> ALT", "KOPIE: Kopie entfernt (Original: ALT)", "NEU: übersprungen
// (GRUND)" or "NEU: fehlgeschlagen (GRUND)".
QString UndoOutcomeLine(const UndoOutcome &outcome);

// "ORDNER: bleibt (nicht leer)", for a folder the batch made that holds
// something else now.
QString KeptFolderLine(const QString &folder);

// What an undo did, counted: files renamed back, copies in a library
// removed, files skipped and failed.
struct UndoCounts
{
    int renamedBack = 0;
    int copiesRemoved = 0;
    int skipped = 0;
    int failed = 0;
};
UndoCounts CountUndo(const std::vector<UndoOutcome> &outcomes);

// "N zurückbenannt, M übersprungen, K fehlgeschlagen", and ", N Kopien
// entfernt" where copies in a library went.
QString UndoSummaryLine(const std::vector<UndoOutcome> &outcomes);

// "Umbenennung 12 vom 2026-12-07 10:00:00 in /fotos/, 250 Dateien".
QString BatchDescription(const JournalInfo &batch);

// One line of the list of batches: number, date, folder, file count and
// state; for a journal that cannot be read, why.
QString BatchListLine(const JournalInfo &batch);

// Why batch `number` could not be undone at all, or in full; it names the journal.
QString UndoProblemText(int number, const JournalProblem &problem);
