#include "dialogs/RenamePreviewDialog.h"

#include "rename/CarryOutPlan.h"
#include "rename/ClockShift.h"
#include "rename/RenameMessages.h"
#include "services/Paths.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

RenamePreviewDialog::RenamePreviewDialog(std::vector<RenameJob> jobs, RenameOptions options, QWidget *parent)
    : QDialog(parent), m_jobs(std::move(jobs)), m_options(std::move(options))
{
    setObjectName(QStringLiteral("renamePreviewDialog"));
    setWindowTitle(tr("Umbenennen mit Vorschau"));
    resize(720, 480);

    m_burst = new QCheckBox(tr("Serienbilder einer Sekunde mit Buchstaben a, b, c …"), this);
    m_burst->setObjectName(QStringLiteral("burst"));
    m_shiftField = new QLineEdit(this);
    m_shiftField->setObjectName(QStringLiteral("shiftField"));
    m_shiftField->setPlaceholderText(tr("+HH:MM[:SS] oder -HH:MM[:SS]"));
    m_patternField = new QLineEdit(m_options.pattern.text(), this);
    m_patternField->setObjectName(QStringLiteral("patternField"));
    m_patternField->setToolTip(tr("%Y %m %d %H %M %S: die Aufnahmezeit; %f: Sekundenbruchteile; %n: der bisherige "
                                  "Name; %c: Kameramodell; %k: Hersteller; %%: ein Prozentzeichen; /: ein "
                                  "Unterordner"));
    m_companions = new QCheckBox(tr("Begleitdateien (.xmp, RAW, Video …) mitnehmen"), this);
    m_companions->setChecked(m_options.companions);
    m_adjustFileTime = new QCheckBox(tr("Dateizeit anpassen"), this);
    m_adjustFileTime->setObjectName(QStringLiteral("adjustFileTime"));
    m_adjustFileTime->setChecked(m_options.fileTimes);
    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("planTable"));
    m_table->setHorizontalHeaderLabels({tr("Alter Name"), tr("Neuer Name")});
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    auto *buttons = new QDialogButtonBox(this);
    m_renameButton = buttons->addButton(tr("Umbenennen"), QDialogButtonBox::AcceptRole);
    m_renameButton->setObjectName(QStringLiteral("renameButton"));
    buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);
    // No default button: Enter is for the fields (see keyPressEvent).
    for (QAbstractButton *button : buttons->buttons())
        static_cast<QPushButton *>(button)->setAutoDefault(false);

    m_optionRows = new QFormLayout;
    m_optionRows->addRow(m_burst);
    m_optionRows->addRow(tr("&Uhr der Kamera verschieben um:"), m_shiftField);
    m_optionRows->addRow(tr("&Namensmuster:"), m_patternField);
    m_optionRows->addRow(m_companions);
    m_optionRows->addRow(m_adjustFileTime);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_optionRows);
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
    for (QLineEdit *field : {m_shiftField, m_patternField}) {
        connect(field, &QLineEdit::textChanged, this, [this] {
            m_renameButton->setEnabled(false);
            m_typing->start();
        });
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &RenamePreviewDialog::carryOut);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    replan();
}

void RenamePreviewDialog::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    // A field or a box passed Enter on: the plan is brought up to date, no more.
    if (m_typing->isActive()) {
        m_typing->stop();
        replan();
    }
    event->accept();
}

void RenamePreviewDialog::replan()
{
    if (m_jobs.empty()) {
        m_renameButton->setEnabled(false);
        m_summary->setText(tr("Keine Dateien ausgewählt: bitte zuerst in der Liste Fotos auswählen."));
        return;
    }
    const QString shiftText = m_shiftField->text().trimmed();
    const std::optional<qint64> shift = shiftText.isEmpty() ? qint64(0) : ParseClockShift(shiftText);
    if (!shift) {
        m_renameButton->setEnabled(false);
        m_summary->setText(tr("Kein gültiger Versatz: erwartet [+|-]HH:MM[:SS]"));
        return;
    }
    const QString patternText = m_patternField->text();
    auto pattern = PatternForJobs(patternText, m_jobs);
    if (const auto *error = std::get_if<PatternError>(&pattern)) {
        m_renameButton->setEnabled(false);
        m_summary->setText(PatternErrorText(*error, patternText));
        return;
    }
    m_options.pattern = std::get<NamePattern>(std::move(pattern));
    m_options.burst = m_burst->isChecked();
    m_options.shiftSeconds = *shift;
    m_options.companions = m_companions->isChecked();
    m_options.fileTimes = m_adjustFileTime->isChecked();
    m_plan = PlanBatch(m_jobs, m_options);

    m_table->setRowCount(int(m_plan.files.size()));
    int moving = 0;
    int row = 0;
    for (const PlannedFile &file : m_plan.files) {
        const RenameOutcome &outcome = file.outcome;
        QString verdict;
        switch (outcome.status) {
        // With the folders a pattern puts it in.
        case RenameStatus::Renamed: verdict = outcome.newPath.mid(outcome.oldPath.lastIndexOf(u'/') + 1); break;
        case RenameStatus::Skipped: verdict = tr("bleibt: %1").arg(RenameReasonText(outcome)); break;
        case RenameStatus::Failed: verdict = tr("fehlgeschlagen: %1").arg(RenameReasonText(outcome)); break;
        }
        m_table->setItem(row, 0, new QTableWidgetItem(FileNamePart(outcome.oldPath)));
        m_table->setItem(row++, 1, new QTableWidgetItem(verdict));
        moving += outcome.status == RenameStatus::Renamed ? 1 : 0;
    }
    const int staying = int(m_plan.files.size()) - moving;
    m_summary->setText(tr("%1, %2", "files renamed, files staying")
                           .arg(tr("%n wird umbenannt", nullptr, moving), tr("%n bleibt", nullptr, staying)));
    // File times alone (names already right) are a change as well.
    m_renameButton->setEnabled(moving > 0 || m_options.fileTimes);
}

void RenamePreviewDialog::carryOut()
{
    m_outcomes = CarryOutPlan(m_plan);
    accept();
}
