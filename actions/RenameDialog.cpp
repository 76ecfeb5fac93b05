#include "actions/RenameDialog.h"

#include "actions/ActionTexts.h"
#include "actions/FileActionsHost.h"
#include "actions/NameValidator.h"
#include "actions/RenameInFolder.h"
#include "ui/Ui.h"
#include "widgets/FileListBox.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Wide enough for a camera's name with a date and a place.
constexpr int FieldCharacters = 60;

}

RenameDialog::RenameDialog(FileActionsHost &host)
    : QDialog(&host.Owner()), host_(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Bild Umbenennen"));

    name_ = new QLineEdit;
    name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * FieldCharacters);
    rule_ = new NameValidator(name_);
    name_->setValidator(rule_);
    auto *label = new QLabel(QStringLiteral("Neuer Name:"));
    extension_ = new QLabel;
    hint_ = new QLabel;
    hint_->setWordWrap(true);
    auto *buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("Umbenennen"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);

    auto *grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0, 1, 2);
    grid->addWidget(name_, 1, 0);
    grid->addWidget(extension_, 1, 1);
    grid->addWidget(hint_, 2, 0, 1, 2);
    grid->addWidget(buttons, 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    // The window grows in width only.
    grid->setSizeConstraint(QLayout::SetMinimumSize);

    connect(buttons, &QDialogButtonBox::accepted, this, &RenameDialog::renameFile);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The hint names every character refused since the dialog was filled.
    connect(name_, &QLineEdit::inputRejected, this, [this] {
        for (const QChar c : rule_->refused()) {
            if (!refused_.contains(c))
                refused_ += c;
        }
        hint_->setText(RefusedCharactersText(refused_));
    });
}

void RenameDialog::Open(const QString &folder, const QString &currentName)
{
    folder_ = folder;
    currentName_ = currentName;
    const OfferedName offered = SplitOfferedName(currentName);
    rule_->allow(offered.base);
    name_->setText(offered.base);
    extension_->setText(offered.extension);
    refused_.clear();
    hint_->clear();

    show();
    raise();
    activateWindow();
    name_->selectAll();
    name_->setFocus();
}

void RenameDialog::renameFile()
{
    const HandRenameResult result = RenameInFolder(folder_, currentName_, name_->text(), extension_->text());
    switch (result.outcome) {
    case HandRenameStatus::Unchanged:
        accept();
        return;
    case HandRenameStatus::Renamed:
        host_.Files().reread();
        selectInList(result.newName);
        accept();
        return;
    case HandRenameStatus::Taken:
        ShowMessage(MessageKind::Information, NameTakenText);
        break;
    case HandRenameStatus::InvalidName:
        ShowMessage(MessageKind::Warning, RenameFailureText(result));
        break;
    case HandRenameStatus::Failed:
        ShowMessage(MessageKind::Critical, RenameFailureText(result));
        break;
    }
    // Another try starts from the whole name.
    name_->selectAll();
    name_->setFocus();
}

void RenameDialog::selectInList(const QString &name)
{
    FileListBox &list = host_.Files();
    for (int i = 0; i < list.entryCount(); ++i) {
        if (list.entryName(i) == name) {
            list.setCurrentRow(i);
            list.setEntrySelected(i, true);
        }
    }
}
