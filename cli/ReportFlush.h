#pragma once

#include <QElapsedTimer>
#include <QTextStream>

// A report's lines go out at least every 100 ms: the log of a run that is
// killed tells what happened on disk up to moments before (the journal
// holds the rest), without a write for every file.
class ReportFlush
{
public:
    explicit ReportFlush(QTextStream &out) : out_(out) { clock_.start(); }

    // Flushes the lines written since the last time, if 100 ms have passed;
    // true when it did.
    bool due()
    {
        if (clock_.elapsed() < 100)
            return false;
        out_.flush();
        clock_.restart();
        return true;
    }

private:
    QTextStream &out_;
    QElapsedTimer clock_;
};
