#include "rename/UndoMessages.h"

#include "rename/RenameMessages.h"
#include "services/Paths.h"

#include <QCoreApplication>

#include <cerrno>

namespace {

struct UndoMessages
{
    Q_DECLARE_TR_FUNCTIONS(UndoMessages)
};

QString Started(const JournalInfo &batch)
{
    return batch.started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString ReasonText(const UndoOutcome &outcome)
{
    switch (outcome.reason) {
    case UndoReason::None: return {};
    case UndoReason::Vanished: return UndoMessages::tr("nicht mehr vorhanden");
    case UndoReason::OtherFile: return UndoMessages::tr("ist inzwischen eine andere Datei");
    case UndoReason::CopyEdited: return UndoMessages::tr("wurde seit dem Kopieren geändert und bleibt");
    case UndoReason::SourceGone: return UndoMessages::tr("das Original ist nicht mehr da oder geändert; die Kopie bleibt");
    case UndoReason::OldNameTaken:
        return UndoMessages::tr("%1 existiert bereits").arg(OneLineName(FileNamePart(outcome.oldPath)));
    case UndoReason::ShotStays:
        if (!outcome.blockedBy)
            return {};
        return UndoMessages::tr("die Aufnahme bleibt beisammen, denn %1: %2")
            .arg(OneLineName(FileNamePart(outcome.blockedBy->newPath)), ReasonText(*outcome.blockedBy));
    case UndoReason::RenameRefused: return outcome.system.reason();
    case UndoReason::TimesNotRestored:
        return UndoMessages::tr("zurückbenannt in %1, Dateizeit nicht zurückgesetzt: %2")
            .arg(OneLineName(outcome.oldPath), outcome.system.reason());
    case UndoReason::NotJournaled:
        return UndoMessages::tr("Journal nicht geschrieben: %1").arg(outcome.system.reason());
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
    case UndoStatus::Restored:
        if (outcome.copy)
            return UndoMessages::tr("%1: Kopie entfernt (Original: %2)").arg(name, OneLineName(outcome.oldPath));
        return name + QStringLiteral(" -> ") + OneLineName(outcome.oldPath);
    case UndoStatus::Skipped: return UndoMessages::tr("%1: übersprungen (%2)").arg(name, reason);
    case UndoStatus::Failed: return UndoMessages::tr("%1: fehlgeschlagen (%2)").arg(name, reason);
    }
    return {};
}

UndoCounts CountUndo(const std::vector<UndoOutcome> &outcomes)
{
    UndoCounts counts;
    for (const UndoOutcome &outcome : outcomes) {
        switch (outcome.status) {
        case UndoStatus::Restored: ++(outcome.copy ? counts.copiesRemoved : counts.renamedBack); break;
        case UndoStatus::Skipped: ++counts.skipped; break;
        case UndoStatus::Failed: ++counts.failed; break;
        }
    }
    return counts;
}

QString UndoSummaryLine(const std::vector<UndoOutcome> &outcomes)
{
    const UndoCounts counts = CountUndo(outcomes);
    QString line = UndoMessages::tr("%1 zurückbenannt, %2 übersprungen, %3 fehlgeschlagen")
                       .arg(counts.renamedBack)
                       .arg(counts.skipped)
                       .arg(counts.failed);
    if (counts.copiesRemoved > 0)
        line += UndoMessages::tr(", %n Kopien entfernt", nullptr, counts.copiesRemoved);
    return line;
}

QString BatchDescription(const JournalInfo &batch)
{
    return UndoMessages::tr("Umbenennung %1 vom %2 in %3, %n Dateien", nullptr, batch.files)
        .arg(batch.number)
        .arg(Started(batch), batch.folder);
}

QString BatchListLine(const JournalInfo &batch)
{
    if (!batch.problem.ok())
        return QStringLiteral("%1  %2  %3")
            .arg(batch.number, 4)
            .arg(Started(batch), UndoProblemText(batch.number, batch.problem));
    QString line = UndoMessages::tr("%1  %2  %3  %n Dateien", nullptr, batch.files)
                       .arg(batch.number, 4)
                       .arg(Started(batch), batch.folder);
    if (batch.kind == JournalKind::Undo)
        line += UndoMessages::tr("  (Rückgängig von %1)").arg(batch.undoes);
    if (batch.running)
        line += UndoMessages::tr("  (läuft)");
    else if (!batch.complete)
        line += UndoMessages::tr("  (abgebrochen)");
    if (batch.undone)
        line += UndoMessages::tr("  (rückgängig gemacht)");
    return line;
}

QString UndoProblemText(int number, const JournalProblem &problem)
{
    switch (problem.kind) {
    case JournalProblem::Kind::None: return {};
    case JournalProblem::Kind::System:
        if (problem.system.error == EWOULDBLOCK)
            return UndoMessages::tr("Umbenennung %1 läuft noch und wird nicht rückgängig gemacht.").arg(number);
        if (problem.system.error == ENOENT)
            return UndoMessages::tr("Keine Umbenennung %1 im Journal.").arg(number);
        return UndoMessages::tr("Journal %1 nicht lesbar: %2").arg(JournalName(number), problem.system.reason());
    case JournalProblem::Kind::Empty:
        return UndoMessages::tr("Journal %1 ist leer: die Umbenennung brach ab, bevor sie etwas änderte.")
            .arg(JournalName(number));
    case JournalProblem::Kind::DamagedHeader:
        return UndoMessages::tr("Journal %1 ist beschädigt: die erste Zeile ist kein Journalkopf.")
            .arg(JournalName(number));
    case JournalProblem::Kind::NewerVersion:
        return UndoMessages::tr("Journal %1 stammt von einer neueren Version von fotlex und wird nicht gelesen.")
            .arg(JournalName(number));
    case JournalProblem::Kind::DamagedLines:
        return UndoMessages::tr("Journal %1 ist beschädigt: %n Zeilen ab Zeile %2 sind unlesbar, ihre Dateien "
                                "bleiben, wie sie sind.",
                                nullptr, problem.lines)
            .arg(JournalName(number))
            .arg(problem.line);
    }
    return {};
}

QString KeptFolderLine(const QString &folder)
{
    return UndoMessages::tr("%1: bleibt (nicht leer)").arg(OneLineName(folder));
}
