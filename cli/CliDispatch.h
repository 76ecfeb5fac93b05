#pragma once

#include <QStringList>
#include <QTextStream>

// Runs fotlex-cli with the arguments after the program name; returns the exit status.
int RunCli(const QStringList &args, QTextStream &out, QTextStream &err);
