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
    case UndoReason::NameGone: return QStringLiteral("keine Datei trägt mehr diesen Namen");
    case UndoReason::OtherFile: return QStringLiteral("ist inzwischen eine andere Datei");
    case UndoReason::OldNameTaken:
        return QStringLiteral("%1 existiert bereits").arg(OneLineName(FileNamePart(outcome.oldPath)));
    case UndoReason::RenameRefused: return outcome.system.reason();
    case UndoReason::TimesNotRestored:
        return QStringLiteral("zurückbenannt in %1, Dateizeit nicht zurückgesetzt: %2")
            .arg(OneLineName(outcome.oldPath), outcome.system.reason());
    case UndoReason::NotJournaled:
        return QStringLiteral("Journal nicht geschrieben: %1").arg(outcome.system.reason());
    }
    return {};
}

} // namespace

QString UndoOutcomeLine(const UndoOutcome &outcome)
{
    // Names as the rename's report writes them: one line each, and never
    // read as a place for arg() to fill.
    const QString name = OneLineName(outcome.newPath);
    switch (outcome.status) {
    case UndoStatus::Restored: return name + QStringLiteral(" -> ") + OneLineName(outcome.oldPath);
    case UndoStatus::Skipped: return name + QStringLiteral(": übersprungen (") + ReasonText(outcome) + u')';
    case UndoStatus::Failed: return name + QStringLiteral(": fehlgeschlagen (") + ReasonText(outcome) + u')';
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

QString UndoProblemText(int number, const FileOpResult &problem)
{
    if (problem.error == EWOULDBLOCK)
        return QStringLiteral("Umbenennung %1 läuft noch und wird nicht rückgängig gemacht.").arg(number);
    if (problem.error == ENOENT)
        return QStringLiteral("Keine Umbenennung %1 im Journal.").arg(number);
    return QStringLiteral("Journal der Umbenennung %1 nicht lesbar: %2").arg(number).arg(problem.reason());
}
