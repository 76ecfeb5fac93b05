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

// The batch's verb, for its button and its progress: "Umbenennen", with a
// target folder "Kopieren" or "Verschieben".
QString BatchVerb(const RenameOptions &options);

// "Umbenennen mit Vorschau": the plan of the selected files as a table (old
// name; new name, or why the file stays) under the batch's options, planned
// again whenever an option changes. The options are rows of one form, so
// that another is one row more. With a target folder the table shows where
// each file goes below it. "Umbenennen" accepts exactly the plan shown, for
// the caller to carry out; it is off while a typed offset, name pattern or
// target folder waits to be planned or is not valid (the summary then says
// why), and when there is nothing to do. Enter in a field plans at once and
// never accepts; only the button does.
class RenamePreviewDialog : public QDialog
{
    Q_OBJECT

public:
    // Browsing for a target folder starts at `browseStart`, else at the
    // first photo's folder.
    RenamePreviewDialog(std::vector<RenameJob> jobs, RenameOptions options, QString browseStart = {},
                        QWidget *parent = nullptr);

    const BatchPlan &plan() const { return m_plan; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void replan();
    void browse();
    void fieldEdited();
    void enableCopy();
    // False, with the reason in the summary, for a target that is no
    // writable folder.
    bool takeTarget();

    std::vector<RenameJob> m_jobs;
    RenameOptions m_options;
    BatchPlan m_plan;
    QString m_browseStart;
    QFormLayout *m_optionRows = nullptr;
    QCheckBox *m_burst = nullptr;
    QLineEdit *m_shiftField = nullptr;
    QLineEdit *m_patternField = nullptr;
    QCheckBox *m_companions = nullptr;
    QCheckBox *m_adjustFileTime = nullptr;
    QLineEdit *m_targetField = nullptr;
    QCheckBox *m_copy = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_renameButton = nullptr;
    QTimer *m_typing = nullptr;
};
