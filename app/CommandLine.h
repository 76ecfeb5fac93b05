#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the command line of fotlex asks for. It is read before the window's
// application is made and before a running window is looked for, so that
// --help and --version need no display and are never handed over.
struct CommandLine
{
    // When set, the program prints `text` and ends with this status: 0 for
    // --help and --version (standard output), 2 for a wrong option (standard
    // error, with the help).
    std::optional<int> exitStatus;
    QString text;
    // The folders and photos named, absolute against the working folder,
    // each as given: never joined, never stripped of quotes.
    QStringList paths;
};

// `arguments` are the program's own, its name first.
CommandLine ParseCommandLine(const QStringList &arguments, const QString &workingFolder);
