#include "cli/UndoCommand.h"

#include "cli/ReportFlush.h"
#include "rename/UndoBatch.h"
#include "rename/UndoMessages.h"

#include <algorithm>

namespace {

const char *const Usage = "Aufruf: fotlex-cli undo [--list | N]";

int ListBatches(QTextStream &out)
{
    const std::vector<JournalInfo> journals = ListJournals();
    if (journals.empty())
        out << QStringLiteral("Keine Umbenennung im Journal.") << Qt::endl;
    for (const JournalInfo &batch : journals)
        out << BatchListLine(batch) << Qt::endl;
    return 0;
}

} // namespace

int RunUndo(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments == QStringList{QStringLiteral("--list")})
        return ListBatches(out);
    int number = 0;
    if (arguments.size() == 1) {
        bool ok = false;
        number = arguments.first().toInt(&ok);
        if (!ok || number <= 0) {
            err << QStringLiteral("Keine Nummer einer Umbenennung: %1\n").arg(arguments.first())
                << Usage << Qt::endl;
            return 2;
        }
    } else if (!arguments.isEmpty()) {
        err << Usage << Qt::endl;
        return 2;
    } else {
        const std::optional<JournalInfo> newest = NewestUndoable();
        if (!newest) {
            err << QStringLiteral("Keine Umbenennung zum Rückgängigmachen.") << Qt::endl;
            return 1;
        }
        number = newest->number;
        out << QStringLiteral("Rückgängig: ") << BatchDescription(*newest) << Qt::endl;
    }
    ReportFlush flush(out);
    const UndoRun run = UndoBatch(number, [&](const UndoOutcome &outcome) {
        out << UndoOutcomeLine(outcome) << '\n';
        flush.due();
    });
    if (!run.problem.ok()) {
        err << UndoProblemText(number, run.problem) << Qt::endl;
        return 1;
    }
    out << UndoSummaryLine(run.outcomes) << Qt::endl;
    const bool failed = std::any_of(run.outcomes.begin(), run.outcomes.end(),
                                    [](const UndoOutcome &o) { return o.status == UndoStatus::Failed; });
    return failed ? 1 : 0;
}
