#include "app/RenameReport.h"

#include "rename/RenameMessages.h"
#include "rename/UndoMessages.h"
#include "ui/Ui.h"

#include <QMessageBox>

namespace {

void ShowReport(QWidget &owner, const QString &summary, const QStringList &lines)
{
    QMessageBox box(QMessageBox::Information, ProgramName, summary, QMessageBox::NoButton, &owner);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDetailedText(lines.join(u'\n'));
    box.exec();
}

} // namespace

void ShowRenameReport(QWidget &owner, const BatchPlan &plan, const std::vector<RenameOutcome> &outcomes)
{
    QStringList lines;
    RenameCounts counts;
    for (size_t i = 0; i < outcomes.size(); ++i) {
        const RenameOutcome &outcome = outcomes[i];
        counts.add(outcome);
        if (outcome.status != RenameStatus::Renamed || outcome.timesNotSet() || plan.files[i].companion)
            lines << RenameOutcomeLine(outcome);
    }
    if (!lines.isEmpty())
        ShowReport(owner, RenameSummaryLine(counts), lines);
}

void ShowUndoReport(QWidget &owner, int number, const UndoRun &run)
{
    if (!run.problem.ok()) {
        ShowMessage(UndoProblemText(number, run.problem), 2);
        return;
    }
    QStringList lines;
    for (const UndoOutcome &outcome : run.outcomes)
        lines << UndoOutcomeLine(outcome);
    ShowReport(owner, UndoSummaryLine(run.outcomes), lines);
}
