#pragma once

#include "rename/BatchRename.h"

#include <QString>
#include <QStringList>

#include <vector>

// What a batch did, for the user: the closing line and one line per file
// that was left alone.
struct BatchReport
{
    int renamed = 0;
    int skipped = 0;
    int failed = 0;
    // "N umbenannt, M übersprungen, K fehlgeschlagen".
    QString summary;
    // "NAME: übersprungen (GRUND)" or "NAME: fehlgeschlagen (GRUND)", in batch order.
    QStringList problems;

    // A batch that renamed every file needs no report.
    bool worthShowing() const { return skipped + failed > 0; }
};

BatchReport MakeBatchReport(const std::vector<RenameOutcome> &outcomes);
