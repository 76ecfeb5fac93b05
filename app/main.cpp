#include "app/Form1.h"
#include "app/QtTranslations.h"
#include "app/SingleInstance.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Names the installed desktop entry, so the shell shows the window under
    // the launcher's entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(FOTLEX_APP_ID));
    InstallQtGermanTranslations(app);
    SingleInstance instance;
    if (!instance.TryAcquire())
        return 0;
    const auto form = StartMainWindow(QCoreApplication::applicationFilePath(),
                                      QCoreApplication::arguments().mid(1));
    return app.exec();
}
