#include "app/Startup.h"

#include "app/AppGlobals.h"
#include "app/Form1.h"
#include "app/SettingsLocation.h"
#include "app/StartFolder.h"
#include "services/Paths.h"
#include "widgets/FileListBox.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>

namespace {

void SelectWanted(FileListBox &list, const QString &wanted)
{
    const QString upper = wanted.toUpper();
    for (int i = 0; i < list.ListCount(); ++i) {
        if (list.List(i).toUpper() == upper) {
            list.setListIndex(i);
            return;
        }
    }
}

}

std::unique_ptr<Form1> StartMainWindow(const QString &executable, const QStringList &arguments)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QFileInfo exe(executable);
    AppPath = exe.absolutePath();
    AddBackslash(AppPath);
    ExeName = exe.completeBaseName();
    SettingsFile = SettingsFileFor(executable, SettingsSection);

    auto form = std::make_unique<Form1>();
    const StartFolder start = DecideStartFolder(arguments.join(QLatin1Char(' ')),
                                                &RememberedLastPath);
    form->txtPath()->setText(start.folder);
    form->FileList()->setPath(start.folder);
    if (!start.commandPath.isEmpty())
        SelectWanted(*form->FileList(), start.wanted);

    form->show();
    QApplication::restoreOverrideCursor();
    return form;
}
