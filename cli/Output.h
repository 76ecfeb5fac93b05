#pragma once

#include <QIODevice>
#include <QString>
#include <QTextStream>

// Standard output for a QTextStream: every write goes straight to the file
// descriptor, and a failed one (a closed pipe, a full disk) keeps its
// reason as the device's errorString(), in German.
class FdOutput : public QIODevice
{
public:
    explicit FdOutput(int fd);

    // True when the output is a pipe whose reader has gone, so that the
    // next write will fail: asked without a write, after every file.
    bool readerGone() const;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    int fd_;
    bool pipe_ = false;
};

// Why `out` could not write what it was given, or empty when it could. The
// stream must have been flushed.
QString OutputFailure(const QTextStream &out);

// OutputFailure, or the reason a write to `out` would fail now: its reader
// has gone.
QString OutputFailureAhead(const QTextStream &out);

// "abgebrochen: Ausgabe nicht mehr schreibbar (GRUND), N umbenannt; fotlex-cli
// undo nimmt sie zurück": a rename that stopped because its report could
// not be written.
QString RenameStoppedText(const QString &reason, int renamed);

// "abgebrochen (Strg+C) nach der Datei in Arbeit: SUMMARY; fotlex-cli undo
// nimmt es zurück": a rename stopped by Ctrl-C between two files.
QString RenameInterruptedText(const QString &summary);

// "fotlex-cli: Ausgabe nicht geschrieben (GRUND)": the end of a run whose
// output was lost.
QString OutputLostText(const QString &reason);
