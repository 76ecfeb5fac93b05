#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;

// The report after a batch of renames or an undo: its closing line, the
// folder once, and one line per file (names only), each "NAME: GRUND" or
// "ALT -> NEU" on a line of a read-only list the user can select and copy
// (or copy whole with "Kopieren").
class BatchReportDialog : public QDialog
{
    Q_OBJECT

public:
    BatchReportDialog(const QString &summary, const QString &folder, const QStringList &lines,
                      QWidget *parent = nullptr);

    QString Summary() const;

private:
    // Puts the closing line, the folder and every file line on the clipboard.
    void CopyAll() const;

    QLabel *summary_ = nullptr;
    QLabel *folder_ = nullptr;
    QPlainTextEdit *lines_ = nullptr;
};
