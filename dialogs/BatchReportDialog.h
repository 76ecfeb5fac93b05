#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;

// The report after a batch of renames: its closing line and the files left
// alone, each "NAME: GRUND" on a line of a read-only list the user can
// select and copy (or copy whole with "Kopieren").
class BatchReportDialog : public QDialog
{
    Q_OBJECT

public:
    BatchReportDialog(const QString &summary, const QStringList &lines, QWidget *parent = nullptr);

    QString Summary() const;

private:
    // Puts the closing line and every file line on the clipboard.
    void CopyAll() const;

    QLabel *summary_ = nullptr;
    QPlainTextEdit *lines_ = nullptr;
};
