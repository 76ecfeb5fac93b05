#include "app/MainWindow.h"
#include "app/HandOver.h"
#include "app/OpenFolder.h"
#include "app/SingleInstance.h"
#include "app/StartFolder.h"
#include "app/Startup.h"
#include "translations/Language.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InstallTranslations(app, ChooseLanguage(QLocale::system()));
    // Names the installed desktop entry, so the shell shows the window under
    // the launcher's entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(FOTLEX_APP_ID));
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    SingleInstance instance;
    if (!instance.TryAcquire())
        return HandOver(SingleInstance::SocketPath(), AbsoluteCommandPath(arguments)) ? 0 : 1;
    const auto window = StartMainWindow(QCoreApplication::applicationFilePath(), arguments);
    HandOverServer handOver;
    QObject::connect(&handOver, &HandOverServer::pathReceived, window.get(),
                     [&window](const QString &path) { ShowHandedOver(*window, path); });
    handOver.Listen(SingleInstance::SocketPath());
    return app.exec();
}
