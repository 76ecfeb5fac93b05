#include "rename/BatchReport.h"

#include "rename/RenameMessages.h"
#include "services/Paths.h"

BatchReport MakeBatchReport(const std::vector<RenameOutcome> &outcomes)
{
    BatchReport report;
    for (const RenameOutcome &outcome : outcomes) {
        report.counts.add(outcome);
        if (outcome.status != RenameStatus::Renamed || outcome.timesNotSet())
            report.problems << FileNamePart(outcome.oldPath) + QStringLiteral(": ") + RenameStatusText(outcome);
        else if (outcome.companion)
            report.companions << FileNamePart(outcome.oldPath) + QStringLiteral(" -> ")
                    + FileNamePart(outcome.newPath) + QStringLiteral(" (Begleitdatei)");
    }
    report.summary = RenameSummaryLine(report.counts);
    return report;
}
