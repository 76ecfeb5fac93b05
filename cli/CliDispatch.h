#pragma once

#include "cli/CliStreams.h"

#include <QStringList>

// Runs fotlex-cli with the arguments after the program name; returns the exit status.
int RunCli(const QStringList &args, const CliStreams &io);
