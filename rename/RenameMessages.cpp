#include "rename/RenameMessages.h"

#include "services/Paths.h"

namespace {

QString SystemReason(const FileOpResult &system)
{
    return system.ok() ? QStringLiteral("unbekannter Fehler") : system.reason();
}

QString TimeReason(const RenameOutcome &outcome)
{
    switch (outcome.timeResult) {
    case FileTimeResult::NoFile: return QStringLiteral("Datei nicht gefunden");
    case FileTimeResult::InvalidTime: return QStringLiteral("ungültige Zeit");
    case FileTimeResult::Failed:
    case FileTimeResult::Set: break;
    }
    return SystemReason(outcome.system);
}

} // namespace

QString RenameReasonText(const RenameOutcome &outcome)
{
    switch (outcome.reason) {
    case RenameReason::None: return {};
    case RenameReason::NotAnImage: return QStringLiteral("kein Bildtyp der Dateiliste");
    case RenameReason::NoExifTime: return QStringLiteral("keine EXIF-Zeit");
    case RenameReason::BadExifTime:
        return QStringLiteral("keine gültige EXIF-Zeit: \"%1\"").arg(outcome.time);
    case RenameReason::AlreadyNamed: return QStringLiteral("trägt bereits diesen Namen");
    case RenameReason::NameTaken:
        return QStringLiteral("%1 existiert bereits").arg(FileNamePart(outcome.newPath));
    case RenameReason::LettersTaken:
        return QStringLiteral("alle Namen mit a bis z existieren bereits");
    case RenameReason::Unreadable:
        return QStringLiteral("nicht lesbar: %1").arg(SystemReason(outcome.system));
    case RenameReason::FolderUnreadable:
        return QStringLiteral("Ordner nicht lesbar: %1").arg(SystemReason(outcome.system));
    case RenameReason::RenameRefused: return SystemReason(outcome.system);
    case RenameReason::TimesNotSet:
        if (outcome.renamed)
            return QStringLiteral("umbenannt in %1, Dateizeit nicht gesetzt: %2")
                .arg(outcome.newPath, TimeReason(outcome));
        return QStringLiteral("Dateizeit nicht gesetzt: %1").arg(TimeReason(outcome));
    }
    return {};
}

QString RenameStatusText(const RenameOutcome &outcome)
{
    switch (outcome.status) {
    case RenameStatus::Renamed: return QStringLiteral("umbenannt");
    case RenameStatus::Skipped:
        return QStringLiteral("übersprungen (%1)").arg(RenameReasonText(outcome));
    case RenameStatus::Failed:
        return QStringLiteral("fehlgeschlagen (%1)").arg(RenameReasonText(outcome));
    }
    return {};
}

QString RenameOutcomeLine(const RenameOutcome &outcome)
{
    if (outcome.status == RenameStatus::Renamed)
        return outcome.oldPath + QStringLiteral(" -> ") + outcome.newPath;
    return outcome.oldPath + QStringLiteral(": ") + RenameStatusText(outcome);
}

QString RenameSummaryLine(int renamed, int skipped, int failed)
{
    return QStringLiteral("%1 umbenannt, %2 übersprungen, %3 fehlgeschlagen")
        .arg(renamed)
        .arg(skipped)
        .arg(failed);
}
