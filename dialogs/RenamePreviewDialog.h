#pragma once

#include "rename/BatchPlan.h"

#include <QDialog>

class QCheckBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;

// "Umbenennen mit Vorschau": the plan of the selected files as a table (old
// name; new name, or why the file stays) under the batch's options, planned
// again whenever an option changes. The options are rows of one form, so
// that another is one row more. "Umbenennen" carries out exactly the plan
// shown; it is off while a typed offset or name pattern waits to be planned
// or is not valid (the summary then says why), and when there is nothing to
// rename. Enter in a field plans at once and
// never carries out the batch; only the button does.
class RenamePreviewDialog : public QDialog
{
    Q_OBJECT

public:
    RenamePreviewDialog(std::vector<RenameJob> jobs, RenameOptions options, QWidget *parent = nullptr);

    const BatchPlan &plan() const { return m_plan; }
    // The outcomes of the carried-out plan, once "Umbenennen" was clicked.
    const std::vector<RenameOutcome> &outcomes() const { return m_outcomes; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void replan();
    void carryOut();

    std::vector<RenameJob> m_jobs;
    RenameOptions m_options;
    BatchPlan m_plan;
    std::vector<RenameOutcome> m_outcomes;
    QFormLayout *m_optionRows = nullptr;
    QCheckBox *m_burst = nullptr;
    QLineEdit *m_shiftField = nullptr;
    QLineEdit *m_patternField = nullptr;
    QCheckBox *m_companions = nullptr;
    QCheckBox *m_adjustFileTime = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_renameButton = nullptr;
    QTimer *m_typing = nullptr;
};
