#include "actions/BatchTexts.h"

#include "rename/UndoMessages.h"
#include "ui/DateTimeText.h"
#include "widgets/BatchProgress.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

struct BatchTexts
{
    Q_DECLARE_TR_FUNCTIONS(BatchTexts)
};

// The counts of a status line: the first always, the others where not zero.
QString CountList(const QStringList &parts)
{
    return parts.join(QStringLiteral(", "));
}

}

QString NoFrozenTimeText()
{
    return BatchTexts::tr("Keine EXIF-Zeit zum Einfrieren: bitte zuerst ein Foto mit EXIF-Zeit anzeigen.");
}

QString NothingSelectedText()
{
    return BatchTexts::tr("Keine Datei ausgewählt.");
}

QString NothingToUndoText()
{
    return BatchTexts::tr("Keine Umbenennung zum Rückgängigmachen.");
}

QString UndoTitle()
{
    return BatchTexts::tr("Rückgängig machen");
}

QString RenameWord(const RenameCounts &counts, bool canceled)
{
    QStringList parts;
    switch (counts.transfer) {
    case RenameTransfer::Rename: parts << BatchTexts::tr("%n umbenannt", nullptr, counts.renamed); break;
    case RenameTransfer::Copy: parts << BatchTexts::tr("%n kopiert", nullptr, counts.renamed); break;
    case RenameTransfer::Move: parts << BatchTexts::tr("%n verschoben", nullptr, counts.renamed); break;
    }
    if (counts.skipped > 0)
        parts << BatchTexts::tr("%n übersprungen", nullptr, counts.skipped);
    if (counts.failed > 0)
        parts << BatchTexts::tr("%n fehlgeschlagen", nullptr, counts.failed);
    if (counts.withoutTimes > 0)
        parts << BatchTexts::tr("%n ohne Dateizeit", nullptr, counts.withoutTimes);
    return canceled ? BatchTexts::tr("Abgebrochen: %1").arg(CountList(parts)) : CountList(parts);
}

QString UndoWord(const std::vector<UndoOutcome> &outcomes)
{
    const UndoCounts counts = CountUndo(outcomes);
    // An undo of copies alone says what it removed, not "0 zurückbenannt".
    QStringList parts;
    if (counts.copiesRemoved == 0 || counts.renamedBack > 0)
        parts << BatchTexts::tr("%n zurückbenannt", nullptr, counts.renamedBack);
    if (counts.copiesRemoved > 0)
        parts << BatchTexts::tr("%n Kopien entfernt", nullptr, counts.copiesRemoved);
    if (counts.skipped > 0)
        parts << BatchTexts::tr("%n übersprungen", nullptr, counts.skipped);
    if (counts.failed > 0)
        parts << BatchTexts::tr("%n fehlgeschlagen", nullptr, counts.failed);
    return CountList(parts);
}

QString WithReportLink(const QString &word)
{
    return BatchTexts::tr("%1 – <a href=\"report\">Bericht anzeigen</a>").arg(word.toHtmlEscaped());
}

QString CanceledSummary(const QString &summary, int done, int total)
{
    return BatchTexts::tr("Abgebrochen nach %1: %2").arg(DoneText(done, total), summary);
}

QString UndoQuestion(const JournalInfo &batch)
{
    const QDateTime started = batch.started.toLocalTime();
    return BatchTexts::tr("Letzte Umbenennung rückgängig machen?\n\nUmbenennung %1 vom %2 in %3: %n Dateien", nullptr, batch.files)
        .arg(batch.number)
        .arg(DateTimeText(started.date(), started.time()), batch.folder);
}
