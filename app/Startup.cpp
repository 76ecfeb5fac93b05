#include "app/Startup.h"

#include "app/MainWindow.h"
#include "app/WindowSettings.h"
#include "ui/Ui.h"

#include <QApplication>
#include <QScreen>

std::unique_ptr<MainWindow> StartMainWindow(const QString &executable, const QStringList &paths)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const WindowSettings settings = WindowSettings::ForProgram(executable);
    auto window = std::make_unique<MainWindow>(settings);
    // restoreGeometry puts a window that would lie off every screen back on one.
    if (!window->restoreGeometry(settings.windowGeometry())) {
        const QRect screen = window->screen()->availableGeometry();
        window->resize(QSize(1200, 800).boundedTo(screen.size() * 0.9).expandedTo(window->minimumSizeHint()));
        window->move(screen.center() - window->rect().center());
    }
    const QString problems = window->openPaths(paths);
    window->show();
    QApplication::restoreOverrideCursor();
    if (!problems.isEmpty())
        ShowMessage(MessageKind::Warning, problems);
    return window;
}
