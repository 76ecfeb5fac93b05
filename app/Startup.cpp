#include "app/Startup.h"

#include "app/MainWindow.h"
#include "app/OpenFolder.h"
#include "app/WindowSettings.h"
#include "app/StartFolder.h"
#include "widgets/FileListBox.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>

std::unique_ptr<MainWindow> StartMainWindow(const QString &executable, const QStringList &arguments)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const WindowSettings settings = WindowSettings::ForProgram(executable);
    auto window = std::make_unique<MainWindow>(settings);
    // Before the first preview, which is drawn for the preview's size.
    // restoreGeometry puts a window that would lie off every screen back on one.
    const QByteArray geometry = settings.windowGeometry();
    if (!geometry.isEmpty())
        window->restoreGeometry(geometry);
    const StartFolder start = DecideStartFolder(arguments.join(QLatin1Char(' ')),
                                                [&settings] { return settings.lastPath(); });
    window->pathField()->setText(start.folder);
    window->files()->setFolder(start.folder);
    if (!start.commandPath.isEmpty())
        SelectEntryNamed(*window->files(), start.wanted);

    window->show();
    QApplication::restoreOverrideCursor();
    return window;
}
