#pragma once

#include <QTextStream>

// Where a command writes: its report and its help on `out`, usage errors
// and other messages on `err`.
struct CliStreams
{
    QTextStream &out;
    QTextStream &err;
    // Standard error is another file than standard output: each failed line
    // of a report goes there as well, so that `2>errors.txt` collects them
    // while a terminal that is both shows each once.
    bool copyFailures = false;
    // Standard error is a terminal: a progress line is drawn there.
    bool progress = false;
};

// The streams over the descriptors of standard output and standard error:
// failures are copied unless both are one file (the same device and inode,
// as a terminal or `2>&1` makes them); progress where errFd is a terminal.
CliStreams StandardStreams(QTextStream &out, QTextStream &err, int outFd, int errFd);
