#pragma once

#include "cli/CommandLine.h"

// fotlex-cli rename [OPTIONS] PATH...: renames the photos after their capture
// time. `arguments` are those after "rename". One line per file, then the
// totals. Returns 0 when all went as asked, 1 when a file failed or kept no
// file time, 2 for wrong usage.
int RunRename(const QStringList &arguments, const CliStreams &io);
extern const CliSyntax RenameSyntax;
