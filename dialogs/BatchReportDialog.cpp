#include "dialogs/BatchReportDialog.h"

#include "ui/Ui.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

BatchReportDialog::BatchReportDialog(const QString &summary, const QString &folder, const QStringList &lines,
                                     QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("BatchReport"));
    setWindowTitle(tr("%1 - Umbenennen").arg(ProgramName));
    resize(560, 320);

    // Names come from the disk; plain text keeps them from being read as markup.
    summary_ = new QLabel(summary, this);
    summary_->setTextFormat(Qt::PlainText);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);
    folder_ = new QLabel(tr("Ordner: %1").arg(folder), this);
    folder_->setObjectName(QStringLiteral("folder"));
    folder_->setTextFormat(Qt::PlainText);
    folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folder_->setWordWrap(true);

    lines_ = new QPlainTextEdit(this);
    lines_->setReadOnly(true);
    lines_->setLineWrapMode(QPlainTextEdit::NoWrap);
    lines_->setPlainText(lines.join(u'\n'));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *copy = buttons->addButton(tr("Kopieren"), QDialogButtonBox::ActionRole);
    QPushButton *close = buttons->addButton(tr("Schließen"), QDialogButtonBox::AcceptRole);
    close->setDefault(true);
    connect(copy, &QPushButton::clicked, this, &BatchReportDialog::CopyAll);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(folder_);
    layout->addWidget(lines_);
    layout->addWidget(buttons);
}

QString BatchReportDialog::Summary() const
{
    return summary_->text();
}

void BatchReportDialog::CopyAll() const
{
    QApplication::clipboard()->setText(Summary() + u'\n' + folder_->text() + u'\n' + lines_->toPlainText() + u'\n');
}
