#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

// The context of the tool's translated texts: CliText::tr("...").
struct CliText
{
    Q_DECLARE_TR_FUNCTIONS(CliText)
};

// One subcommand of fotlex-cli: its name, its line in the usage text (marked
// with QT_TRANSLATE_NOOP in the context CliText) and the routine that runs it
// with the arguments after the name. The routine returns the exit status:
// 0 success, 1 a file failed, 2 wrong usage.
struct CliCommand
{
    QStringView name;
    const char *usage;
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
