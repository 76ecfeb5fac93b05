#include "dialogs/RenameDialog.h"

#include "dialogs/NameValidator.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Wide enough for a camera's name with a date and a place.
constexpr int FieldCharacters = 60;

}

RenameDialog::RenameDialog(QWidget *owner)
    : QDialog(owner)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Bild umbenennen"));

    name_ = new QLineEdit;
    name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * FieldCharacters);
    rule_ = new NameValidator(name_);
    name_->setValidator(rule_);
    auto *label = new QLabel(tr("&Neuer Name:"));
    label->setBuddy(name_);
    extension_ = new QLabel;
    hint_ = new QLabel;
    hint_->setWordWrap(true);
    auto *buttons = new QDialogButtonBox;
    buttons->addButton(tr("Umbenennen"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);

    auto *grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0, 1, 2);
    grid->addWidget(name_, 1, 0);
    grid->addWidget(extension_, 1, 1);
    grid->addWidget(hint_, 2, 0, 1, 2);
    grid->addWidget(buttons, 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    // The window grows in width only.
    grid->setSizeConstraint(QLayout::SetMinimumSize);

    connect(buttons, &QDialogButtonBox::accepted, this, &RenameDialog::tryName);
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

void RenameDialog::Open(const QString &base, const QString &extension, Attempt attempt)
{
    attempt_ = std::move(attempt);
    rule_->allow(base);
    name_->setText(base);
    extension_->setText(extension);
    refused_.clear();
    hint_->clear();

    show();
    raise();
    activateWindow();
    name_->selectAll();
    name_->setFocus();
}

void RenameDialog::tryName()
{
    if (attempt_(name_->text())) {
        accept();
        return;
    }
    // Another try starts from the whole name.
    name_->selectAll();
    name_->setFocus();
}
