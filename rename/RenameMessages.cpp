#include "rename/RenameMessages.h"

#include "services/Paths.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

struct RenameMessages
{
    Q_DECLARE_TR_FUNCTIONS(RenameMessages)
};

QString SystemReason(const FileOpResult &system)
{
    return system.ok() ? RenameMessages::tr("unbekannter Fehler") : system.reason();
}

QString TimeReason(const RenameOutcome &outcome)
{
    switch (outcome.timeResult) {
    case FileTimeResult::NoFile: return RenameMessages::tr("Datei nicht gefunden");
    case FileTimeResult::OutOfRange: return RenameMessages::tr("außerhalb des Bereichs des Dateisystems");
    case FileTimeResult::SymbolicLink:
        return RenameMessages::tr("symbolische Verknüpfung, ihr Ziel bleibt unverändert");
    case FileTimeResult::Failed:
    case FileTimeResult::Set: break;
    }
    return SystemReason(outcome.system);
}

} // namespace

QString OneLineName(const QString &name)
{
    const auto control = [](QChar c) { return c.unicode() < 32 || c.unicode() == 127; };
    if (std::none_of(name.begin(), name.end(), control))
        return name;
    QString line;
    line.reserve(name.size());
    for (const QChar c : name) {
        if (c == u'\n')
            line += QStringLiteral("\\n");
        else if (c == u'\t')
            line += QStringLiteral("\\t");
        else if (c == u'\r')
            line += QStringLiteral("\\r");
        else if (control(c))
            line += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            line += c;
    }
    return line;
}

QString TransferText(RenameTransfer transfer)
{
    switch (transfer) {
    case RenameTransfer::Rename: break;
    case RenameTransfer::Copy: return RenameMessages::tr("kopiert");
    case RenameTransfer::Move: return RenameMessages::tr("verschoben");
    }
    return RenameMessages::tr("umbenannt");
}

QString RenameReasonText(const RenameOutcome &outcome)
{
    switch (outcome.reason) {
    case RenameReason::None: return {};
    case RenameReason::NotAnImage: return RenameMessages::tr("kein Bildtyp der Dateiliste");
    case RenameReason::NotRegularFile: return RenameMessages::tr("keine normale Datei");
    case RenameReason::NameNotUtf8:
        return RenameMessages::tr("Dateiname ist kein gültiges UTF-8; bitte zuerst umbenennen");
    case RenameReason::NoExifTime: return RenameMessages::tr("keine EXIF-Zeit");
    case RenameReason::BadExifTime:
        return RenameMessages::tr("keine gültige EXIF-Zeit: \"%1\"").arg(outcome.timeText);
    case RenameReason::ShiftOutOfRange:
        return RenameMessages::tr("mit dem Versatz läge die EXIF-Zeit \"%1\" außerhalb der Jahre 1 bis 9999")
            .arg(outcome.time->exifText());
    case RenameReason::AlreadyNamed: return RenameMessages::tr("trägt bereits diesen Namen");
    case RenameReason::NameTaken:
        return RenameMessages::tr("%1 existiert bereits").arg(FileNamePart(outcome.newPath));
    case RenameReason::NameEmpty: return RenameMessages::tr("das Muster ergibt einen leeren Namen");
    case RenameReason::NameTooLong: return RenameMessages::tr("das Muster ergibt einen zu langen Namen");
    case RenameReason::CompanionAmbiguous:
        return RenameMessages::tr("Begleitdatei passt zu Fotos verschiedener Zeiten");
    case RenameReason::LettersTaken:
        return RenameMessages::tr("alle Namen mit a bis z existieren bereits");
    case RenameReason::AlreadyInLibrary: return RenameMessages::tr("schon vorhanden");
    case RenameReason::Unreadable:
        return RenameMessages::tr("nicht lesbar: %1").arg(SystemReason(outcome.system));
    case RenameReason::Missing: return SystemReason(outcome.system);
    case RenameReason::FolderUnreadable:
        return RenameMessages::tr("Ordner nicht lesbar: %1").arg(SystemReason(outcome.system));
    case RenameReason::FolderNotWritable:
        return RenameMessages::tr("Ordner nicht änderbar: %1").arg(SystemReason(outcome.system));
    case RenameReason::RenameRefused: return SystemReason(outcome.system);
    case RenameReason::CopyDiffers:
        return RenameMessages::tr("die Kopie auf dem Datenträger weicht vom Original ab und wurde entfernt");
    case RenameReason::NotJournaled:
        return RenameMessages::tr("Journal zum Rückgängigmachen nicht geschrieben: %1")
            .arg(SystemReason(outcome.system));
    }
    return {};
}

QString TimesNotSetText(const RenameOutcome &outcome)
{
    return RenameMessages::tr("Dateizeit nicht gesetzt: %1").arg(TimeReason(outcome));
}

QString RenameStatusText(const RenameOutcome &outcome)
{
    QString text;
    switch (outcome.status) {
    case RenameStatus::Renamed:
        text = TransferText(outcome.transfer);
        if (outcome.timesNotSet())
            text += QStringLiteral(" (%1)").arg(TimesNotSetText(outcome));
        return text;
    case RenameStatus::Skipped:
        text = RenameReasonText(outcome);
        if (outcome.timesNotSet())
            text += QStringLiteral("; ") + TimesNotSetText(outcome);
        return RenameMessages::tr("übersprungen (%1)").arg(text);
    case RenameStatus::Failed:
        return RenameMessages::tr("fehlgeschlagen (%1)").arg(RenameReasonText(outcome));
    }
    return {};
}

QString RenameOutcomeLine(const RenameOutcome &outcome)
{
    const QString oldPath = OneLineName(outcome.oldPath);
    if (outcome.status != RenameStatus::Renamed)
        return oldPath + QStringLiteral(": ") + RenameStatusText(outcome);
    QString line = oldPath + QStringLiteral(" -> ") + OneLineName(outcome.newPath);
    if (outcome.transfer != RenameTransfer::Rename)
        line += QStringLiteral(" (%1)").arg(TransferText(outcome.transfer));
    if (outcome.computerZone)
        line += u' ' + RenameMessages::tr("(Zeitzone des Rechners)");
    if (outcome.timesNotSet())
        line += QStringLiteral(" (%1)").arg(TimesNotSetText(outcome));
    return line;
}

QString RenameSummaryLine(const RenameCounts &counts, bool dryRun)
{
    QString form;
    switch (counts.transfer) {
    case RenameTransfer::Rename:
        form = dryRun ? RenameMessages::tr("%1 würden umbenannt, %2 übersprungen, %3 fehlgeschlagen")
                      : RenameMessages::tr("%1 umbenannt, %2 übersprungen, %3 fehlgeschlagen");
        break;
    case RenameTransfer::Copy:
        form = dryRun ? RenameMessages::tr("%1 würden kopiert, %2 übersprungen, %3 fehlgeschlagen")
                      : RenameMessages::tr("%1 kopiert, %2 übersprungen, %3 fehlgeschlagen");
        break;
    case RenameTransfer::Move:
        form = dryRun ? RenameMessages::tr("%1 würden verschoben, %2 übersprungen, %3 fehlgeschlagen")
                      : RenameMessages::tr("%1 verschoben, %2 übersprungen, %3 fehlgeschlagen");
        break;
    }
    QString line = form.arg(counts.renamed)
                       .arg(counts.skipped)
                       .arg(counts.failed);
    if (counts.withoutTimes > 0)
        line += RenameMessages::tr(", %1 ohne Dateizeit").arg(counts.withoutTimes);
    return line;
}

void RenameCounts::add(const RenameOutcome &outcome)
{
    switch (outcome.status) {
    case RenameStatus::Renamed: ++renamed; break;
    case RenameStatus::Skipped: ++skipped; break;
    case RenameStatus::Failed: ++failed; break;
    }
    if (outcome.timesNotSet())
        ++withoutTimes;
    if (outcome.transfer != RenameTransfer::Rename)
        transfer = outcome.transfer;
    if (outcome.reason == RenameReason::NameEmpty || outcome.reason == RenameReason::NameTooLong)
        ++unnamed;
}

QString PatternErrorText(const PatternError &error, const QString &pattern)
{
    QString why;
    switch (error.kind) {
    case PatternError::Kind::Empty: why = RenameMessages::tr("leer"); break;
    case PatternError::Kind::UnknownLetter:
        why = RenameMessages::tr("unbekannter Platzhalter %1 (bekannt: %Y %m %d %H %M %S %f %n %c %k %%)")
                  .arg(error.detail);
        break;
    case PatternError::Kind::Absolute:
        why = RenameMessages::tr("beginnt mit /; es gilt unterhalb des Ordners jedes Fotos");
        break;
    case PatternError::Kind::StepOut:
        why = RenameMessages::tr("ein Ordner \"%1\" ist nicht erlaubt (weder .. noch . noch leer)").arg(error.detail);
        break;
    case PatternError::Kind::RefusedChar:
        why = RenameMessages::tr("das Zeichen %1 verweigert das Dateisystem (FAT oder exFAT)").arg(error.detail);
        break;
    }
    return RenameMessages::tr("Muster \"%1\": %2").arg(pattern, why);
}
