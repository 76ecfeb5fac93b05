#include "app/RenameReport.h"

#include "dialogs/BatchReportDialog.h"
#include "rename/BatchReport.h"
#include "rename/UndoMessages.h"
#include "ui/Ui.h"

void ShowRenameReport(QWidget &owner, const std::vector<RenameOutcome> &outcomes)
{
    const BatchReport report = MakeBatchReport(outcomes);
    if (report.worthShowing())
        BatchReportDialog(report.summary, report.lines(), &owner).exec();
}

void ShowUndoReport(QWidget &owner, int number, const UndoRun &run)
{
    if (run.refused()) {
        ShowMessage(UndoProblemText(number, run.problem), 2);
        return;
    }
    QStringList lines;
    if (!run.problem.ok())
        lines << UndoProblemText(number, run.problem);
    for (const UndoOutcome &outcome : run.outcomes)
        lines << UndoOutcomeLine(outcome);
    BatchReportDialog(UndoSummaryLine(run.outcomes), lines, &owner).exec();
}
