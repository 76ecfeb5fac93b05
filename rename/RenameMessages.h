#pragma once

#include "rename/BatchRename.h"

#include <QString>

// The German reason of a skipped or failed file, for the user.
QString RenameReasonText(const RenameOutcome &outcome);

// "umbenannt", "übersprungen (GRUND)" or "fehlgeschlagen (GRUND)".
QString RenameStatusText(const RenameOutcome &outcome);

// One report line: "ALT -> NEU", "ALT: übersprungen (GRUND)" or
// "ALT: fehlgeschlagen (GRUND)".
QString RenameOutcomeLine(const RenameOutcome &outcome);

// "N umbenannt, M übersprungen, K fehlgeschlagen".
QString RenameSummaryLine(int renamed, int skipped, int failed);
