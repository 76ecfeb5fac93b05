#pragma once

#include "cli/CommandLine.h"

// fotlex-cli info [--json] FILE...: "== FILE", then the reader's tag list
// and summary of each file; with --json one array of InfoObject. Each file
// is written as it is read, and a write that fails ends the run. Exit
// status 1 when a file could not be read (the others are still listed) or
// the output could not be written.
int RunInfo(const QStringList &arguments, const CliStreams &io);
extern const CliSyntax InfoSyntax;
