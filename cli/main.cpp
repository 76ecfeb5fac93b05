#include "cli/CliDispatch.h"
#include "translations/Language.h"

#include <QCoreApplication>
#include <QLocale>

#include <unistd.h>

int main(int argc, char **argv)
{
    // No QGuiApplication: the tool runs without a display.
    QCoreApplication app(argc, argv);
    InstallTranslations(app, ChooseLanguage(QLocale::system()));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunCli(app.arguments().mid(1), StandardStreams(out, err, STDOUT_FILENO, STDERR_FILENO));
}
