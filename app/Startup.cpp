#include "app/Startup.h"

#include "app/AppGlobals.h"
#include "app/Form1.h"
#include "app/OpenFolder.h"
#include "app/SettingsLocation.h"
#include "app/StartFolder.h"
#include "widgets/FileListBox.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>

std::unique_ptr<Form1> StartMainWindow(const QString &executable, const QStringList &arguments)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QFileInfo exe(executable);
    AppPath = exe.absolutePath();
    SettingsFile = SettingsFileFor(executable, SettingsSection);

    auto form = std::make_unique<Form1>();
    // Before the first preview, which is drawn for the preview's size.
    // restoreGeometry puts a window that would lie off every screen back on one.
    const QByteArray geometry = RememberedWindowGeometry();
    if (!geometry.isEmpty())
        form->restoreGeometry(geometry);
    const StartFolder start = DecideStartFolder(arguments.join(QLatin1Char(' ')),
                                                &RememberedLastPath);
    form->txtPath()->setText(start.folder);
    form->FileList()->setPath(start.folder);
    if (!start.commandPath.isEmpty())
        SelectEntryNamed(*form->FileList(), start.wanted);

    form->show();
    QApplication::restoreOverrideCursor();
    return form;
}
