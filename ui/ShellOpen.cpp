#include "ui/ShellOpen.h"

#include "ui/OtherProgram.h"
#include "ui/Ui.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>

namespace {

struct ShellOpenText
{
    Q_DECLARE_TR_FUNCTIONS(ShellOpenText)
};

QString NotShownText(const QString &path, const QString &reason)
{
    return ShellOpenText::tr("Das Bild '%1' konnte nicht angezeigt werden.\n%2")
        .arg(QFileInfo(path).fileName(), reason);
}

const QString OwnId = QStringLiteral(FOTLEX_APP_ID ".desktop");

}

QString ShellOpenFailureText(const QString &path, bool started, int exitCode)
{
    QString reason;
    if (!started)
        reason = ShellOpenText::tr("%1 ist nicht installiert.").arg(ShellOpenProgram);
    else if (exitCode == 3)
        reason = ShellOpenText::tr("Für diesen Dateityp ist kein Programm eingerichtet.");
    else if (exitCode == 2)
        reason = ShellOpenText::tr("Die Datei wurde nicht gefunden.");
    else
        reason = ShellOpenText::tr("Das Anzeigeprogramm meldete einen Fehler (%1).").arg(exitCode);
    return NotShownText(path, reason);
}

void ShellOpen(const QString &path)
{
    const QString mimeType = QMimeDatabase().mimeTypeForFile(path).name();
    // Where Fotlex is the default program for the type (its package offers
    // it for photos), xdg-open would hand the photo back to this very window.
    if (DefaultProgramFor(mimeType) == OwnId) {
        const std::optional<QString> other = OtherProgramFor(mimeType, OwnId);
        if (!other) {
            ShowMessage(MessageKind::Information,
                        NotShownText(path, ShellOpenText::tr("Außer Fotlex ist kein Programm für diesen Dateityp "
                                                             "eingerichtet. Im Dateimanager lässt sich unter "
                                                             "„Öffnen mit“ eines wählen.")));
        } else if (!OpenWithProgram(mimeType, *other, path)) {
            ShowMessage(MessageKind::Critical,
                        NotShownText(path, ShellOpenText::tr("%1 ließ sich nicht starten.").arg(*other)));
        }
        return;
    }
    // QDesktopServices::openUrl starts xdg-open detached and reports success
    // even when no program is found, so the program runs xdg-open itself. The
    // opener may wait for the viewer it starts (xdg-open's generic mode does);
    // it runs on without a parent, so that closing the window does not end it.
    auto *opener = new QProcess;
    opener->setProgram(ShellOpenProgram);
    opener->setArguments({path});
    opener->setStandardInputFile(QProcess::nullDevice());
    // The viewer inherits these; its chatter must not pile up unread in here.
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(opener, &QProcess::finished, opener, [opener, path](int exitCode, QProcess::ExitStatus status) {
        opener->deleteLater();
        if (status == QProcess::NormalExit && exitCode == 0)
            return;
        ShowMessage(MessageKind::Critical, ShellOpenFailureText(path, true, exitCode));
    });
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener, path](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        opener->deleteLater();
        ShowMessage(MessageKind::Critical, ShellOpenFailureText(path, false, 0));
    });
    opener->start();
}
