#include "rename/BatchReport.h"

#include "rename/RenameMessages.h"
#include "services/Paths.h"

BatchReport MakeBatchReport(const std::vector<RenameOutcome> &outcomes)
{
    BatchReport report;
    for (const RenameOutcome &outcome : outcomes) {
        switch (outcome.status) {
        case RenameStatus::Renamed: ++report.renamed; continue;
        case RenameStatus::Skipped: ++report.skipped; break;
        case RenameStatus::Failed: ++report.failed; break;
        }
        report.problems << FileNamePart(outcome.oldPath) + QStringLiteral(": ") + RenameStatusText(outcome);
    }
    report.summary = RenameSummaryLine(report.renamed, report.skipped, report.failed);
    return report;
}
