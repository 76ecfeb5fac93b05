#pragma once

#include "rename/BatchRename.h"
#include "rename/RenameMessages.h"

#include <QString>
#include <QStringList>

#include <vector>

// What a batch did, for the user: the closing line and one line per file
// that was left alone.
struct BatchReport
{
    RenameCounts counts;
    // "N umbenannt, M übersprungen, K fehlgeschlagen".
    QString summary;
    // "NAME: übersprungen (GRUND)", "NAME: fehlgeschlagen (GRUND)" or
    // "NAME: umbenannt (Dateizeit nicht gesetzt: GRUND)", in batch order.
    QStringList problems;
    // "NAME -> NEU (Begleitdatei)" for each companion file that followed its photo.
    QStringList companions;

    // A batch that renamed every file as asked, and nothing beside them, needs no report.
    bool worthShowing() const
    {
        return counts.skipped + counts.failed > 0 || !counts.allWell() || !companions.isEmpty();
    }
    // The lines of the report: the files left alone, then the companions.
    QStringList lines() const { return problems + companions; }
};

BatchReport MakeBatchReport(const std::vector<RenameOutcome> &outcomes);
