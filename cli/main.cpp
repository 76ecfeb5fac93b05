#include "cli/CliDispatch.h"
#include "translations/Language.h"

#include <QCoreApplication>
#include <QLocale>

int main(int argc, char **argv)
{
    // No QGuiApplication: the tool runs without a display.
    QCoreApplication app(argc, argv);
    InstallTranslations(app, ChooseLanguage(QLocale::system()));
    // Numbers for scripts: a point as the decimal separator whatever the locale.
    QLocale::setDefault(QLocale::c());
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunCli(app.arguments().mid(1), out, err);
}
