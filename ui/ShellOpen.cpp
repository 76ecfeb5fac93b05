#include "ui/ShellOpen.h"

#include "ui/Ui.h"

#include <QFileInfo>
#include <QProcess>

QString ShellOpenFailureText(const QString &path, bool started, int exitCode)
{
    QString reason;
    if (!started)
        reason = QStringLiteral("%1 ist nicht installiert.").arg(ShellOpenProgram);
    else if (exitCode == 3)
        reason = QStringLiteral("Für diesen Dateityp ist kein Programm eingerichtet.");
    else if (exitCode == 2)
        reason = QStringLiteral("Die Datei wurde nicht gefunden.");
    else
        reason = QStringLiteral("Das Anzeigeprogramm meldete einen Fehler (%1).").arg(exitCode);
    return QStringLiteral("Das Bild '%1' konnte nicht angezeigt werden.\n%2")
        .arg(QFileInfo(path).fileName(), reason);
}

void ShellOpen(const QString &path)
{
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
