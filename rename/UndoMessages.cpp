#include "rename/UndoMessages.h"

#include "rename/RenameMessages.h"
#include "services/Paths.h"

#include <cerrno>

namespace {

QString Started(const JournalInfo &batch)
{
    return batch.started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString ReasonText(const UndoOutcome &outcome)
{
    switch (outcome.reason) {
    case UndoReason::None: return {};
    case UndoReason::Vanished: return QStringLiteral("nicht mehr vorhanden");
    case UndoReason::OtherFile: return QStringLiteral("ist inzwischen eine andere Datei");
    case UndoReason::OldNameTaken:
        return QStringLiteral("%1 existiert bereits").arg(OneLineName(FileNamePart(outcome.oldPath)));
    case UndoReason::ShotStays:
        if (!outcome.blockedBy)
            return {};
        return QStringLiteral("die Aufnahme bleibt beisammen, denn %1: %2")
            .arg(OneLineName(FileNamePart(outcome.blockedBy->newPath)), ReasonText(*outcome.blockedBy));
    case UndoReason::RenameRefused: return outcome.system.reason();
    case UndoReason::TimesNotRestored:
        return QStringLiteral("zurückbenannt in %1, Dateizeit nicht zurückgesetzt: %2")
            .arg(OneLineName(outcome.oldPath), outcome.system.reason());
    case UndoReason::NotJournaled:
        return QStringLiteral("Journal nicht geschrieben: %1").arg(outcome.system.reason());
    }
    return {};
}

QString JournalName(int number)
{
    return OneLineName(JournalFolder() + JournalFileName(number));
}

} // namespace

QString UndoOutcomeLine(const UndoOutcome &outcome)
{
    // Names as the rename's report writes them: one line each, and never
    // read as a place for arg() to fill.
    const QString name = OneLineName(outcome.newPath);
    const QString reason = ReasonText(outcome);
    switch (outcome.status) {
    case UndoStatus::Restored: return name + QStringLiteral(" -> ") + OneLineName(outcome.oldPath);
    case UndoStatus::Skipped: return name + QStringLiteral(": übersprungen (") + reason + u')';
    case UndoStatus::Failed: return name + QStringLiteral(": fehlgeschlagen (") + reason + u')';
    }
    return {};
}

QString UndoSummaryLine(const std::vector<UndoOutcome> &outcomes)
{
    int counts[3] = {};
    for (const UndoOutcome &outcome : outcomes)
        ++counts[int(outcome.status)];
    return QStringLiteral("%1 zurückbenannt, %2 übersprungen, %3 fehlgeschlagen")
        .arg(counts[0])
        .arg(counts[1])
        .arg(counts[2]);
}

QString BatchDescription(const JournalInfo &batch)
{
    return QStringLiteral("Umbenennung %1 vom %2 in %3, %4 Dateien")
        .arg(batch.number)
        .arg(Started(batch), batch.folder)
        .arg(batch.files);
}

QString BatchListLine(const JournalInfo &batch)
{
    if (!batch.problem.ok())
        return QStringLiteral("%1  %2  %3").arg(batch.number, 4).arg(Started(batch), UndoProblemText(batch.number, batch.problem));
    QString line = QStringLiteral("%1  %2  %3  %4 Dateien")
                       .arg(batch.number, 4)
                       .arg(Started(batch), batch.folder)
                       .arg(batch.files);
    if (batch.kind == JournalKind::Undo)
        line += QStringLiteral("  (Rückgängig von %1)").arg(batch.undoes);
    if (batch.running)
        line += QStringLiteral("  (läuft)");
    else if (!batch.complete)
        line += QStringLiteral("  (abgebrochen)");
    if (batch.undone)
        line += QStringLiteral("  (rückgängig gemacht)");
    return line;
}

QString UndoProblemText(int number, const JournalProblem &problem)
{
    switch (problem.kind) {
    case JournalProblem::Kind::None: return {};
    case JournalProblem::Kind::System:
        if (problem.system.error == EWOULDBLOCK)
            return QStringLiteral("Umbenennung %1 läuft noch und wird nicht rückgängig gemacht.").arg(number);
        if (problem.system.error == ENOENT)
            return QStringLiteral("Keine Umbenennung %1 im Journal.").arg(number);
        return QStringLiteral("Journal %1 nicht lesbar: %2").arg(JournalName(number), problem.system.reason());
    case JournalProblem::Kind::Empty:
        return QStringLiteral("Journal %1 ist leer: die Umbenennung brach ab, bevor sie etwas änderte.")
            .arg(JournalName(number));
    case JournalProblem::Kind::DamagedHeader:
        return QStringLiteral("Journal %1 ist beschädigt: die erste Zeile ist kein Journalkopf.").arg(JournalName(number));
    case JournalProblem::Kind::NewerVersion:
        return QStringLiteral("Journal %1 stammt von einer neueren Version von fotlex und wird nicht gelesen.")
            .arg(JournalName(number));
    case JournalProblem::Kind::DamagedLines:
        return (problem.lines == 1
                    ? QStringLiteral("Journal %1 ist beschädigt: Zeile %2 ist unlesbar, ihre Datei bleibt, wie sie ist.")
                    : QStringLiteral("Journal %1 ist beschädigt: %3 Zeilen ab Zeile %2 sind unlesbar, ihre Dateien "
                                     "bleiben, wie sie sind."))
            .arg(JournalName(number))
            .arg(problem.line)
            .arg(problem.lines);
    }
    return {};
}
