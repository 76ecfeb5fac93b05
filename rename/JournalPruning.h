#pragma once

#include <QDateTime>

#include <vector>

// What pruning needs to know of one file of the journal folder.
struct JournalFileState
{
    int number = 0;
    qint64 bytes = 0;
    QDateTime lastWritten;
    QDateTime started;     // from its header; lastWritten where it has none
    bool locked = false;   // its batch still runs, or an undo reads it
    bool headerless = false;
    // False for a rename batch that changed nothing. An undo always counts:
    // it marks its batch as taken back.
    bool changedAnything = true;
};

// The journals to remove, by number. Kept are the last 100 batches that
// changed anything or those of the last 90 days, whichever are more, but
// at most 1,000 journals and 1 GiB. Never removed: the newest journal, a
// locked one and one written less than a minute ago (its batch may have
// just begun). Removed at once: a batch that changed nothing, and a file
// without a header (the trace of a kill while its journal was made).
std::vector<int> JournalsToPrune(std::vector<JournalFileState> journals, const QDateTime &now);
