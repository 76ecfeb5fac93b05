#pragma once

#include "cli/CommandLine.h"

// fotlex-cli info FILE...: "== FILE", then the reader's tag list of each
// file. Exit status 1 when a file could not be read; the others are still
// listed.
int RunInfo(const QStringList &arguments, const CliStreams &io);
extern const CliSyntax InfoSyntax;
