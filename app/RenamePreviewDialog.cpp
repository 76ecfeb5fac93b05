#include "app/RenamePreviewDialog.h"

#include "app/BatchCommand.h"
#include "app/MainWindow.h"
#include "app/RenameReport.h"
#include "rename/CarryOutPlan.h"
#include "rename/ClockShift.h"
#include "rename/RenameMessages.h"
#include "services/Paths.h"
#include "ui/Ui.h"
#include "widgets/FileListBox.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString VerdictText(const RenameOutcome &outcome)
{
    switch (outcome.status) {
    case RenameStatus::Renamed: return FileNamePart(outcome.newPath);
    case RenameStatus::Skipped: return QStringLiteral("bleibt: ") + RenameReasonText(outcome);
    case RenameStatus::Failed: return QStringLiteral("fehlgeschlagen: ") + RenameReasonText(outcome);
    }
    return {};
}

} // namespace

RenamePreviewDialog::RenamePreviewDialog(std::vector<RenameJob> jobs, RenameOptions options, QWidget *parent)
    : QDialog(parent), m_jobs(std::move(jobs)), m_options(std::move(options))
{
    setObjectName(QStringLiteral("renamePreviewDialog"));
    setWindowTitle(QStringLiteral("Umbenennen mit Vorschau"));
    resize(720, 480);

    m_burst = new QCheckBox(QStringLiteral("Serienbilder einer Sekunde mit Buchstaben a, b, c …"), this);
    m_shiftField = new QLineEdit(this);
    m_shiftField->setPlaceholderText(QStringLiteral("+HH:MM[:SS] oder -HH:MM[:SS]"));
    m_companions = new QCheckBox(QStringLiteral("Begleitdateien (.xmp, RAW, Video …) mitnehmen"), this);
    m_companions->setChecked(m_options.companions);
    m_adjustFileTime = new QCheckBox(QStringLiteral("Dateizeit anpassen"), this);
    m_adjustFileTime->setChecked(m_options.fileTimes);
    m_table = new QTableWidget(0, 2, this);
    m_table->setHorizontalHeaderLabels({QStringLiteral("Alter Name"), QStringLiteral("Neuer Name")});
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_summary = new QLabel(this);
    auto *buttons = new QDialogButtonBox(this);
    m_renameButton = buttons->addButton(QStringLiteral("Umbenennen"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);

    auto *optionRows = new QFormLayout;
    optionRows->addRow(m_burst);
    optionRows->addRow(QStringLiteral("Uhr der Kamera verschieben um:"), m_shiftField);
    optionRows->addRow(m_companions);
    optionRows->addRow(m_adjustFileTime);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(optionRows);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);

    for (QCheckBox *box : {m_burst, m_companions, m_adjustFileTime})
        connect(box, &QCheckBox::toggled, this, &RenamePreviewDialog::replan);
    // Typing an offset plans again once the typing pauses, not at every key.
    m_typing = new QTimer(this);
    m_typing->setSingleShot(true);
    m_typing->setInterval(250);
    connect(m_typing, &QTimer::timeout, this, &RenamePreviewDialog::replan);
    connect(m_shiftField, &QLineEdit::textChanged, this, [this] {
        m_renameButton->setEnabled(false);
        m_typing->start();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &RenamePreviewDialog::carryOut);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    replan();
}

void RenamePreviewDialog::replan()
{
    const QString shiftText = m_shiftField->text().trimmed();
    const std::optional<qint64> shift = shiftText.isEmpty() ? qint64(0) : ParseClockShift(shiftText);
    m_renameButton->setEnabled(shift.has_value());
    if (!shift) {
        m_summary->setText(QStringLiteral("Kein gültiger Versatz: erwartet [+|-]HH:MM[:SS]"));
        return;
    }
    m_options.burst = m_burst->isChecked();
    m_options.shiftSeconds = *shift;
    m_options.companions = m_companions->isChecked();
    m_options.fileTimes = m_adjustFileTime->isChecked();
    m_plan = PlanBatch(m_jobs, m_options);

    m_table->setRowCount(int(m_plan.files.size()));
    int moving = 0, staying = 0;
    for (int row = 0; row < int(m_plan.files.size()); ++row) {
        const RenameOutcome &outcome = m_plan.files[size_t(row)].outcome;
        m_table->setItem(row, 0, new QTableWidgetItem(FileNamePart(outcome.oldPath)));
        m_table->setItem(row, 1, new QTableWidgetItem(VerdictText(outcome)));
        (outcome.status == RenameStatus::Renamed ? moving : staying)++;
    }
    m_summary->setText(QStringLiteral("%1 werden umbenannt, %2 bleiben").arg(moving).arg(staying));
}

void RenamePreviewDialog::carryOut()
{
    m_outcomes = CarryOutPlan(m_plan);
    accept();
}

void ConnectRenamePreview(MainWindow &window)
{
    QAction *action = window.popupMenu()->addAction(QStringLiteral("Umbenennen mit Vorschau..."));
    action->setObjectName(QStringLiteral("previewAction"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    action->setShortcutContext(Qt::WidgetShortcut);
    window.files()->addAction(action);
    QObject::connect(action, &QAction::triggered, &window, [&window] {
        RenameOptions options;
        options.fileTimes = window.adjustFileTime()->isChecked();
        if (window.freezeTime()->isChecked()) {
            if (!window.frozenTime) {
                ShowMessage(MessageKind::Warning, QStringLiteral("Keine EXIF-Zeit zum Einfrieren: zuerst ein Bild mit "
                                           "EXIF-Zeit anzeigen."));
                return;
            }
            options.frozenTime = window.frozenTime;
        }
        RenamePreviewDialog dialog(SelectedRenameJobs(window), options, &window);
        if (dialog.exec() != QDialog::Accepted)
            return;
        window.rereadFolder();
        ShowRenameReport(window, dialog.outcomes());
    });
}
