#include "cli/CliDispatch.h"
#include "cli/Output.h"
#include "translations/Language.h"

#include <QCoreApplication>
#include <QLocale>

#include <csignal>
#include <unistd.h>

int main(int argc, char **argv)
{
    // A reader that goes away (| head) must not kill a rename half-way: the
    // failed write says so, and the run stops cleanly after its shot.
    std::signal(SIGPIPE, SIG_IGN);
    // No QGuiApplication: the tool runs without a display.
    QCoreApplication app(argc, argv);
    InstallTranslations(app, ChooseLanguage(QLocale::system()));
    FdOutput standardOutput(STDOUT_FILENO);
    QTextStream out(&standardOutput);
    QTextStream err(stderr);
    return RunCli(app.arguments().mid(1), StandardStreams(out, err, STDOUT_FILENO, STDERR_FILENO));
}
