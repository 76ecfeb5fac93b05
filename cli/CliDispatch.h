#pragma once

#include <QStringList>
#include <QTextStream>

// Runs fotlex-cli with the arguments after the program name; returns the
// exit status. Output that `out` could not write makes it 1 (2 stays), and
// says so on `err`.
int RunCli(const QStringList &args, QTextStream &out, QTextStream &err);
