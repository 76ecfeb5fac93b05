#pragma once

#include "cli/CliStreams.h"

#include <QStringList>

// Runs fotlex-cli with the arguments after the program name; returns the
// exit status. Output that `io.out` could not write makes it 1 (2 stays),
// and says so on `io.err`.
int RunCli(const QStringList &args, const CliStreams &io);
