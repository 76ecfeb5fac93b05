#pragma once

#include "rename/BatchPlan.h"

#include <QDialog>

class MainWindow;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;

// "Umbenennen mit Vorschau": the plan of the selected files as a table (old
// name; new name, or why the file stays) with the batch's options, planned
// again whenever an option changes. "Umbenennen" is disabled while the offset
// typed is being planned or is not valid. "Umbenennen" carries out exactly the
// plan shown.
class RenamePreviewDialog : public QDialog
{
    Q_OBJECT

public:
    RenamePreviewDialog(std::vector<RenameJob> jobs, RenameOptions options, QWidget *parent = nullptr);

    QCheckBox *burst() const { return m_burst; }
    QLineEdit *shiftField() const { return m_shiftField; }
    QCheckBox *adjustFileTime() const { return m_adjustFileTime; }
    QTableWidget *planTable() const { return m_table; }
    QPushButton *renameButton() const { return m_renameButton; }

    const BatchPlan &plan() const { return m_plan; }
    // The outcomes of the carried-out plan, once "Umbenennen" was clicked.
    const std::vector<RenameOutcome> &outcomes() const { return m_outcomes; }

private:
    void replan();
    void carryOut();

    std::vector<RenameJob> m_jobs;
    RenameOptions m_options;
    BatchPlan m_plan;
    std::vector<RenameOutcome> m_outcomes;
    QCheckBox *m_burst = nullptr;
    QLineEdit *m_shiftField = nullptr;
    QCheckBox *m_companions = nullptr;
    QCheckBox *m_adjustFileTime = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_renameButton = nullptr;
    QTimer *m_typing = nullptr;
};

// Adds "Umbenennen mit Vorschau..." to the list's popup menu and Ctrl+Shift+R
// to the list: the dialog for the selection; after it renamed, the folder is
// read again and a report shows what was left alone or moved with a photo.
void ConnectRenamePreview(MainWindow &window);
