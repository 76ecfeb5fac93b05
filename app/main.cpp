#include "app/Form1.h"
#include "app/SingleInstance.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SingleInstance instance;
    if (!instance.TryAcquire())
        return 0;
    const auto form = StartMainWindow(QCoreApplication::applicationFilePath(),
                                      QCoreApplication::arguments().mid(1));
    return app.exec();
}
