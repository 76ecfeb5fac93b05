#include "cli/UndoCommand.h"

#include "cli/ReportFlush.h"
#include "rename/UndoBatch.h"
#include "rename/UndoMessages.h"

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

// The newest batch to undo, named first; a newer journal that cannot be read
// is said, for it might be the one the user means.
int NewestBatch(QTextStream &out, QTextStream &err)
{
    const std::optional<JournalInfo> newest = NewestUndoable();
    for (const JournalInfo &journal : ListJournals()) {
        if (!journal.problem.ok() && (!newest || journal.number > newest->number))
            err << UndoProblemText(journal.number, journal.problem) << Qt::endl;
    }
    if (!newest) {
        err << QStringLiteral("Keine Umbenennung zum Rückgängigmachen.") << Qt::endl;
        return 0;
    }
    out << QStringLiteral("Rückgängig: ") << BatchDescription(*newest) << Qt::endl;
    return newest->number;
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
    } else if ((number = NewestBatch(out, err)) == 0) {
        return 1;
    }
    ReportFlush flush(out);
    const UndoRun run = UndoBatch(number, [&](const UndoOutcome &outcome) {
        out << UndoOutcomeLine(outcome) << '\n';
        flush.due();
    });
    if (!run.problem.ok())
        err << UndoProblemText(number, run.problem) << Qt::endl;
    if (run.refused())
        return 1;
    out << UndoSummaryLine(run.outcomes) << Qt::endl;
    return run.allWell() ? 0 : 1;
}
