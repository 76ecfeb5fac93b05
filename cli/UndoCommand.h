#pragma once

#include "cli/CommandLine.h"

// fotlex-cli undo [--list | N]: takes back the newest batch not yet undone
// (naming it first) or batch N, one line "NEU -> ALT" per file, then the
// totals; --list lists the journaled batches. Returns 0 when every file
// went back, 1 when one was skipped or failed or nothing could be undone,
// 2 for wrong usage.
int RunUndo(const QStringList &arguments, const CliStreams &io);
extern const CliSyntax UndoSyntax;
