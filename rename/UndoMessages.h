#pragma once

#include "rename/UndoBatch.h"

#include <QString>

// "NEU -> ALT", "NEU: übersprungen (GRUND)" or "NEU: fehlgeschlagen (GRUND)".
QString UndoOutcomeLine(const UndoOutcome &outcome);

// "N zurückbenannt, M übersprungen, K fehlgeschlagen".
QString UndoSummaryLine(const std::vector<UndoOutcome> &outcomes);

// "Umbenennung 12 vom 2026-12-07 10:00:00 in /fotos/, 250 Dateien".
QString BatchDescription(const JournalInfo &batch);

// One line of the list of batches: number, date, folder, file count and state.
QString BatchListLine(const JournalInfo &batch);

// Why a batch could not be undone at all.
QString UndoProblemText(int number, const FileOpResult &problem);
