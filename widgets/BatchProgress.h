#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>

// How long a batch runs before its progress shows, and how often the
// progress is brought up to date; tests shorten both.
inline int ProgressDelayMs = 500;
inline int ProgressStepMs = 50;

// "12 von 2.000 Dateien erledigt", the progress dialog's label.
QString DoneText(int done, int total);

// The progress of a long batch: files done of all and, once copies report
// their bytes, the bytes as well ("1,2 GB von 2,4 GB"). It appears after
// ProgressDelayMs and is brought up to date at most every ProgressStepMs: a
// window-modal progress dialog runs the event loop at every step, which at
// every file would cost more than the renames themselves. Runs on the GUI
// thread, as the batch's callbacks do.
class BatchProgress
{
    Q_DECLARE_TR_FUNCTIONS(BatchProgress)

public:
    // An undo runs to its end: it has no "Abbrechen".
    BatchProgress(QWidget &owner, const QString &title, int total, bool cancellable);

    // False once "Abbrechen" was pressed.
    bool step(int done, int total);
    // Bytes of the batch's copies done and in all; from then on the bar
    // follows the bytes, which say more than files of very different sizes.
    void copied(qint64 done, qint64 total);

    // Gone from the screen before the report comes, and never shown after:
    // its timer would show one that has not come up yet. (Closing it would
    // count as "Abbrechen".)
    void finish();
    bool canceled() const { return canceled_; }
    int done() const { return done_; }
    int total() const { return total_; }

private:
    void show(bool last);

    QProgressDialog dialog_;
    QElapsedTimer clock_;
    bool canceled_ = false;
    int done_ = 0;
    int total_ = 0;
    // Negative until a copy reports.
    qint64 bytesDone_ = -1;
    qint64 bytesTotal_ = -1;
};
