#pragma once

#include <QStringList>

class QTextStream;

// fotlex-cli rename [--dry-run] [--file-times] [--freeze "YYYY:MM:DD HH:MM:SS"] [--burst]
// [--shift [+|-]HH:MM[:SS]] [--no-companions] PATH...
// `arguments` are those after "rename". One line per file on `out`, then the
// totals; usage errors on `err`. A progress line goes to `err` when
// `progressOnErr` (stderr is a terminal). Returns 0 when nothing failed, 1
// otherwise, 2 for wrong usage.
int RenameCommand(const QStringList &arguments, QTextStream &out, QTextStream &err,
                  bool progressOnErr);

// The subcommand's entry: the progress line when stderr is a terminal.
int RunRename(const QStringList &arguments, QTextStream &out, QTextStream &err);
