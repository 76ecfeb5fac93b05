#include "actions/frmRename.h"

#include "actions/ActionTexts.h"
#include "actions/FileActionsHost.h"
#include "actions/RenameInFolder.h"
#include "ui/FormLayout.h"
#include "services/Paths.h"
#include "ui/Ui.h"
#include "widgets/FileListBox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace {

QFont BoldSansSerif()
{
    return FormFont(QStringLiteral("MS Sans Serif"), 8.25, true);
}

} // namespace

frmRename::frmRename(FileActionsHost &host)
    : QWidget(&host.Owner(), Qt::Dialog), host_(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Bild Umbenennen"));
    setFixedSize(Twips(0, 0, 3600, 1125).size());

    Label1 = new QLabel(QStringLiteral("Neuer Name:"), this);
    Label1->setGeometry(Twips(120, 60, 1215, 255));

    Text1 = new QLineEdit(this);
    Text1->setGeometry(Twips(120, 240, 2835, 315));
    Text1->setFont(BoldSansSerif());
    Text1->installEventFilter(this);

    Label2 = new QLabel(QStringLiteral(".jpg"), this);
    Label2->setGeometry(Twips(3000, 300, 915, 315));
    Label2->setFont(BoldSansSerif());

    Command2 = new QPushButton(QStringLiteral("Umbenennen"), this);
    Command2->setGeometry(Twips(1620, 660, 1875, 375));
    Command2->setFont(BoldSansSerif());
    connect(Command2, &QPushButton::clicked, this, &frmRename::Command2Click);

    Command1 = new QPushButton(QStringLiteral("Abbrechen"), this);
    Command1->setGeometry(Twips(120, 660, 1395, 375));
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);

    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    escape->setContext(Qt::WidgetWithChildrenShortcut);

    setTabOrder(Text1, Command2);
    setTabOrder(Command2, Command1);

    MakeTopmost(*this);
    CenterForm(*this);
}

void frmRename::Open(const QString &folder, const QString &currentName)
{
    folder_ = folder;
    currentName_ = currentName;
    const OfferedName offered = SplitOfferedName(currentName);
    Text1->setText(offered.base);
    Label2->setText(offered.extension);

    show();
    raise();
    activateWindow();
    Text1->setCursorPosition(Text1->text().size());
    Text1->setFocus();
}

bool frmRename::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != Text1 || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);

    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        Command2Click();
        return true;
    }
    // Tab moves the focus; it is no character of the name.
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return false;
    for (const QChar c : key->text()) {
        int keyCode = c.unicode();
        FilterNameKey(keyCode, 1);
        if (keyCode == 0)
            return true;
    }
    return false;
}

void frmRename::Command2Click()
{
    const HandRenameResult result = RenameInFolder(folder_, currentName_, Text1->text(), Label2->text());
    switch (result.outcome) {
    case HandRenameStatus::Unchanged:
        close();
        return;
    case HandRenameStatus::Renamed:
        host_.Files().Refresh();
        SelectInList(result.newName);
        close();
        return;
    case HandRenameStatus::Taken:
        ShowMessage(NameTakenText, 1);
        break;
    case HandRenameStatus::InvalidName:
        ShowMessage(RenameFailureText(result), 2);
        break;
    case HandRenameStatus::Failed:
        ShowMessage(RenameFailureText(result), 3);
        break;
    }
    SelectNameForRetry();
}

void frmRename::SelectNameForRetry()
{
    Text1->setSelection(0, Text1->text().size());
    Text1->setFocus();
}

void frmRename::SelectInList(const QString &name)
{
    FileListBox &list = host_.Files();
    for (int i = 0; i < list.ListCount(); ++i) {
        if (list.List(i) == name) {
            list.setListIndex(i);
            list.setSelected(i, true);
        }
    }
}
