#include "cli/UndoCommand.h"

#include "cli/CliReport.h"
#include "rename/UndoBatch.h"
#include "rename/UndoMessages.h"

namespace {

struct Settings
{
    bool list = false;
    ReportDetail detail = ReportDetail::Normal;
};

// Each option in one entry: names, value, help, and what it sets.
const CliOption<Settings> Options[] = {
    {{"list"}, nullptr, QT_TRANSLATE_NOOP("CliText", "die Umbenennungen im Journal auflisten"),
     [](Settings &s, const QString &) { s.list = true; return true; }},
    {{"q", "quiet"}, nullptr, QT_TRANSLATE_NOOP("CliText", "nur fehlgeschlagene Dateien und die letzte Zeile zeigen"),
     [](Settings &s, const QString &) { s.detail = ReportDetail::Quiet; return true; }},
    {{"v", "verbose"}, nullptr, QT_TRANSLATE_NOOP("CliText", "die Umbenennung auch mit N zuerst nennen"),
     [](Settings &s, const QString &) { s.detail = ReportDetail::Verbose; return true; }},
};

int ListBatches(QTextStream &out)
{
    const std::vector<JournalInfo> journals = ListJournals();
    if (journals.empty())
        out << CliText::tr("Keine Umbenennung im Journal.") << Qt::endl;
    for (const JournalInfo &batch : journals)
        out << BatchListLine(batch) << Qt::endl;
    return 0;
}

void NameBatch(CliReport &report, const JournalInfo &batch)
{
    report.note(CliText::tr("Rückgängig: %1").arg(BatchDescription(batch)));
}

// The newest batch to undo; a newer journal that cannot be read is said,
// for it might be the one the user means.
std::optional<JournalInfo> NewestBatch(QTextStream &err)
{
    const std::optional<JournalInfo> newest = NewestUndoable();
    for (const JournalInfo &journal : ListJournals()) {
        if (!journal.problem.ok() && (!newest || journal.number > newest->number))
            err << UndoProblemText(journal.number, journal.problem) << Qt::endl;
    }
    return newest;
}

} // namespace

const CliSyntax UndoSyntax{"undo", QT_TRANSLATE_NOOP("CliText", "[N]"),
                           QT_TRANSLATE_NOOP("CliText", "die Nummer einer Umbenennung (siehe --list)"),
                           QT_TRANSLATE_NOOP("CliText", "die letzte (oder die N-te) Umbenennung rückgängig machen")};

int RunUndo(const QStringList &arguments, const CliStreams &io)
{
    const CliCall<Settings> call = ParseCall<Settings>(UndoSyntax, Options, arguments, io);
    if (call.status)
        return *call.status;
    if (call.operands.size() > (call.settings.list ? 0 : 1))
        return UsageError(UndoSyntax, CliText::tr("Zu viele Argumente: %1").arg(call.operands.join(u' ')), io.err);
    if (call.settings.list)
        return ListBatches(io.out);

    CliReport report(io, call.settings.detail);
    int number = 0;
    if (!call.operands.isEmpty()) {
        // 0 as well for a text that is no number.
        number = call.operands.first().toInt();
        if (number <= 0)
            return UsageError(UndoSyntax, CliText::tr("Keine Nummer einer Umbenennung: %1").arg(call.operands.first()),
                              io.err);
        if (report.verbose()) {
            for (const JournalInfo &batch : ListJournals()) {
                if (batch.number == number)
                    NameBatch(report, batch);
            }
        }
    } else {
        const std::optional<JournalInfo> newest = NewestBatch(io.err);
        if (!newest) {
            io.err << CliText::tr("Keine Umbenennung zum Rückgängigmachen.") << Qt::endl;
            return 1;
        }
        number = newest->number;
        NameBatch(report, *newest);
    }
    const UndoRun run = UndoBatch(number, [&](const UndoOutcome &outcome) {
        report.line(UndoOutcomeLine(outcome),
                    outcome.status == UndoStatus::Failed ? LineKind::Failed : LineKind::Ordinary);
    });
    if (!run.problem.ok())
        io.err << UndoProblemText(number, run.problem) << Qt::endl;
    if (run.refused())
        return 1;
    report.last(UndoSummaryLine(run.outcomes));
    return run.allWell() ? 0 : 1;
}
