#include "app/UndoLastRename.h"

#include "app/MainWindow.h"
#include "app/RenameReport.h"
#include "rename/UndoMessages.h"
#include "ui/Ui.h"
#include "widgets/FileListBox.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace {

bool AskUndo(QWidget &owner, const JournalInfo &batch)
{
    QMessageBox box(QMessageBox::Question, ProgramName,
                    QStringLiteral("Letzte Umbenennung rückgängig machen?\n\n%1").arg(BatchDescription(batch)),
                    QMessageBox::NoButton, &owner);
    QPushButton *yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    box.setDefaultButton(box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole));
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace

void ConnectUndoLastRename(MainWindow &window)
{
    QAction *action = window.popupMenu()->addAction(QStringLiteral("Letzte Umbenennung rückgängig"));
    action->setObjectName(QStringLiteral("undoAction"));
    action->setShortcut(QKeySequence::Undo);
    action->setShortcutContext(Qt::WidgetShortcut);
    window.files()->addAction(action);
    QObject::connect(action, &QAction::triggered, &window, [&window] { UndoLastRename(window); });
}

void UndoLastRename(MainWindow &window)
{
    const std::optional<JournalInfo> batch = NewestUndoable();
    if (!batch) {
        ShowMessage(MessageKind::Information, QStringLiteral("Keine Umbenennung zum Rückgängigmachen."));
        return;
    }
    if (!AskUndo(window, *batch))
        return;
    const UndoRun run = UndoBatch(batch->number);
    window.rereadFolder();
    ShowUndoReport(window, batch->number, run);
}
