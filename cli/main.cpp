#include "cli/CliDispatch.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    // No QGuiApplication: the tool runs without a display.
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunCli(app.arguments().mid(1), out, err);
}
