#include "app/OpenFolder.h"

#include "app/Form1.h"
#include "app/SelectionPanel.h"
#include "app/StartFolder.h"
#include "services/Paths.h"
#include "ui/Ui.h"
#include "widgets/FileListBox.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

bool OpenFolder(Form1 &form, const QString &folder)
{
    form.txtPath()->setText(folder);
    if (!form.FileList()->setPath(folder))
        return false;
    ClearPreview(form);
    form.lblSize()->setText(QStringLiteral("Bildgrösse: "));
    ResetSummary(form);
    return true;
}

void OpenTypedFolder(Form1 &form)
{
    const QString typed = form.txtPath()->text().trimmed();
    if (!FolderExists(typed)) {
        ShowMessage(QStringLiteral("Den Ordner '%1' gibt es nicht.").arg(typed), 2);
        return;
    }
    if (!OpenFolder(form, typed))
        ShowMessage(QStringLiteral("Der Ordner '%1' kann nicht gelesen werden.").arg(typed), 3);
}

void SelectEntryNamed(FileListBox &list, const QString &name)
{
    for (int i = 0; i < list.ListCount(); ++i) {
        if (list.List(i).compare(name, Qt::CaseInsensitive) == 0) {
            list.setListIndex(i);
            return;
        }
    }
}

void ShowHandedOver(Form1 &form, const QString &path)
{
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(200, &form, [&form, path] { ShowHandedOver(form, path); });
        return;
    }
    if (!path.isEmpty()) {
        const StartFolder start = DecideStartFolder(path, [&form] { return form.FileList()->Path(); });
        OpenFolder(form, start.folder);
        if (!start.wanted.isEmpty())
            SelectEntryNamed(*form.FileList(), start.wanted);
    }
    if (form.isMinimized())
        form.showNormal();
    form.raise();
    form.activateWindow();
}
