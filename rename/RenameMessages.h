#pragma once

#include "rename/BatchRename.h"

#include <QString>

// A path as one line of a report: line breaks, tabs and other control
// characters in it are written as \n, \t, \r and \xNN.
QString OneLineName(const QString &path);

// "Muster „%Y/%q“: unbekannter Platzhalter %q", and the like.
QString PatternErrorText(const PatternError &error, const QString &pattern);

// The German reason of a skipped or failed file, for the user.
QString RenameReasonText(const RenameOutcome &outcome);
// "Dateizeit nicht gesetzt: GRUND", for a file whose times could not be set.
QString TimesNotSetText(const RenameOutcome &outcome);

// "umbenannt", "kopiert" or "verschoben".
QString TransferText(RenameTransfer transfer);

// "umbenannt" (or "kopiert", "verschoben"), "übersprungen (GRUND)" or
// "fehlgeschlagen (GRUND)".
QString RenameStatusText(const RenameOutcome &outcome);

// One report line: "ALT -> NEU" (into a target folder with "(kopiert)" or
// "(verschoben)"), "ALT: übersprungen (GRUND)" or
// "ALT: fehlgeschlagen (GRUND)", with times not set added in brackets. A
// line break or tab in a name is escaped, so one file stays one line.
QString RenameOutcomeLine(const RenameOutcome &outcome);

// How a batch ended, file by file.
struct RenameCounts
{
    int renamed = 0;
    int skipped = 0;
    int failed = 0;
    int withoutTimes = 0;  // renamed or kept, but asked file times not set
    int unnamed = 0;       // skipped: the pattern gives no name for it
    // Into a target folder: how the files go there.
    RenameTransfer transfer = RenameTransfer::Rename;

    void add(const RenameOutcome &outcome);
    bool allWell() const { return failed == 0 && withoutTimes == 0 && unnamed == 0; }
};

// "N umbenannt, M übersprungen, K fehlgeschlagen" (a dry run: "N würden
// umbenannt, ..."; into a target folder "kopiert" or "verschoben"), plus
// ", T ohne Dateizeit" where times were not set.
QString RenameSummaryLine(const RenameCounts &counts, bool dryRun = false);
