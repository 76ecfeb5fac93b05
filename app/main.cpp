#include "app/CommandLine.h"
#include "app/HandOver.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/Startup.h"
#include "translations/Language.h"

#include <QApplication>
#include <QDir>
#include <QLocale>

#include <cstdio>

namespace {

// The command line is read with an application that needs no display; it
// is gone before the window's own is made.
CommandLine ReadCommandLine(int argc, char **argv)
{
    QCoreApplication reader(argc, argv);
    InstallTranslations(reader, ChooseLanguage(QLocale::system()));
    return ParseCommandLine(QCoreApplication::arguments(), QDir::currentPath());
}

}

int main(int argc, char **argv)
{
    const CommandLine line = ReadCommandLine(argc, argv);
    if (line.exitStatus) {
        std::fputs(line.text.toLocal8Bit().constData(), *line.exitStatus == 0 ? stdout : stderr);
        return *line.exitStatus;
    }
    SingleInstance instance;
    if (!instance.TryAcquire())
        return HandOver(SingleInstance::SocketPath(), line.paths) ? 0 : 1;

    QApplication app(argc, argv);
    InstallTranslations(app, ChooseLanguage(QLocale::system()));
    // Names the installed desktop entry, so the shell shows the window under
    // the launcher's entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(FOTLEX_APP_ID));
    const auto window = StartMainWindow(QCoreApplication::applicationFilePath(), line.paths);
    HandOverServer handOver;
    QObject::connect(&handOver, &HandOverServer::pathsReceived, window.get(),
                     [&window](const QStringList &paths) { window->takeHandOver(paths); });
    handOver.Listen(SingleInstance::SocketPath());
    return app.exec();
}
