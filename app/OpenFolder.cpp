#include "app/OpenFolder.h"

#include "app/MainWindow.h"
#include "app/SelectionPanel.h"
#include "app/StartFolder.h"
#include "services/Paths.h"
#include "ui/Ui.h"
#include "widgets/FileListBox.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

bool OpenFolder(MainWindow &window, const QString &folder)
{
    window.pathField()->setText(folder);
    if (!window.files()->setFolder(folder))
        return false;
    ClearPreview(window);
    window.imageSize()->setText(QStringLiteral("Bildgrösse: "));
    ResetSummary(window);
    return true;
}

void OpenTypedFolder(MainWindow &window)
{
    const QString typed = window.pathField()->text().trimmed();
    if (!FolderExists(typed)) {
        ShowMessage(MessageKind::Warning, QStringLiteral("Den Ordner '%1' gibt es nicht.").arg(typed));
        return;
    }
    if (!OpenFolder(window, typed))
        ShowMessage(MessageKind::Critical, QStringLiteral("Der Ordner '%1' kann nicht gelesen werden.").arg(typed));
}

void SelectEntryNamed(FileListBox &list, const QString &name)
{
    for (int i = 0; i < list.entryCount(); ++i) {
        if (list.entryName(i).compare(name, Qt::CaseInsensitive) == 0) {
            list.setCurrentRow(i);
            return;
        }
    }
}

void ShowHandedOver(MainWindow &window, const QString &path)
{
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(200, &window, [&window, path] { ShowHandedOver(window, path); });
        return;
    }
    if (!path.isEmpty()) {
        const StartFolder start = DecideStartFolder(path, [&window] { return window.files()->folder(); });
        OpenFolder(window, start.folder);
        if (!start.wanted.isEmpty())
            SelectEntryNamed(*window.files(), start.wanted);
    }
    if (window.isMinimized())
        window.showNormal();
    window.raise();
    window.activateWindow();
}
