#pragma once

#include <QStringList>
#include <QTextStream>

// One subcommand of fotlex-cli: its name, its line in the usage text and the
// routine that runs it with the arguments after the name. The routine returns
// the exit status: 0 success, 1 a file failed, 2 wrong usage.
struct CliCommand
{
    QStringView name;
    QStringView usage;
    int (*run)(const QStringList &args, QTextStream &out, QTextStream &err);
};

// The usage text of fotlex-cli for the given subcommands.
QString CliUsage(const QList<CliCommand> &commands);

// Splits off "--": the words before it that start with "-" are options,
// everything else (and everything after "--") is an operand. Returns the
// first option nobody asked for, if any.
struct CliOperands
{
    QStringList operands;
    QString unknownOption;
};
CliOperands SplitOperands(const QStringList &args);
