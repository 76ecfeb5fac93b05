#include "dialogs/RenamePreviewDialog.h"

#include "dialogs/FolderDialog.h"
#include "rename/ClockShift.h"
#include "rename/RenameMessages.h"
#include "services/Paths.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

QString BatchVerb(const RenameOptions &options)
{
    if (options.targetFolder.isEmpty())
        return RenamePreviewDialog::tr("Umbenennen");
    return options.copy ? RenamePreviewDialog::tr("Kopieren") : RenamePreviewDialog::tr("Verschieben");
}

RenamePreviewDialog::RenamePreviewDialog(std::vector<RenameJob> jobs, RenameOptions options, QString browseStart,
                                         QWidget *parent)
    : QDialog(parent), m_jobs(std::move(jobs)), m_options(std::move(options)), m_browseStart(std::move(browseStart))
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
    m_targetField = new QLineEdit(m_options.targetFolder, this);
    m_targetField->setObjectName(QStringLiteral("targetField"));
    m_targetField->setPlaceholderText(tr("leer: der Ordner jedes Fotos"));
    auto *browse = new QPushButton(tr("Durchsuchen..."), this);
    browse->setObjectName(QStringLiteral("browseButton"));
    browse->setAutoDefault(false);
    m_copy = new QCheckBox(tr("Kopieren statt verschieben"), this);
    m_copy->setObjectName(QStringLiteral("copyBox"));
    m_copy->setChecked(m_options.copy);
    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("planTable"));
    m_table->setHorizontalHeaderLabels({tr("Alter Name"), tr("Neuer Name")});
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    auto *buttons = new QDialogButtonBox(this);
    m_renameButton = buttons->addButton(BatchVerb(m_options), QDialogButtonBox::AcceptRole);
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
    auto *target = new QHBoxLayout;
    target->addWidget(m_targetField, 1);
    target->addWidget(browse);
    // A row of a field and a button gets no buddy from the form.
    auto *targetLabel = new QLabel(tr("&Zielordner:"), this);
    targetLabel->setBuddy(m_targetField);
    m_optionRows->addRow(targetLabel, target);
    m_optionRows->addRow(m_copy);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_optionRows);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);

    for (QCheckBox *box : {m_burst, m_companions, m_adjustFileTime, m_copy})
        connect(box, &QCheckBox::toggled, this, &RenamePreviewDialog::replan);
    // Typing an offset plans again once the typing pauses, not at every key.
    m_typing = new QTimer(this);
    m_typing->setSingleShot(true);
    m_typing->setInterval(250);
    connect(m_typing, &QTimer::timeout, this, &RenamePreviewDialog::replan);
    for (QLineEdit *field : {m_shiftField, m_patternField, m_targetField})
        connect(field, &QLineEdit::textChanged, this, &RenamePreviewDialog::fieldEdited);
    connect(browse, &QPushButton::clicked, this, &RenamePreviewDialog::browse);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    enableCopy();
    replan();
}

void RenamePreviewDialog::fieldEdited()
{
    m_renameButton->setEnabled(false);
    m_typing->start();
    enableCopy();
}

void RenamePreviewDialog::enableCopy()
{
    // Copying means something only with a target.
    const bool target = !m_targetField->text().trimmed().isEmpty();
    m_copy->setEnabled(target);
    if (!target)
        m_copy->setChecked(false);
}

void RenamePreviewDialog::browse()
{
    QString start = m_targetField->text().trimmed();
    if (!QFileInfo(start).isDir())
        start = !m_browseStart.isEmpty() ? m_browseStart : m_jobs.empty() ? QString() : m_jobs.front().folder;
    if (const std::optional<QString> folder = ChooseFolder(this, start)) {
        m_targetField->setText(*folder);
        m_typing->stop();
        replan();
    }
}

bool RenamePreviewDialog::takeTarget()
{
    const QString text = m_targetField->text().trimmed();
    const QFileInfo folder(text);
    QString problem;
    if (text.isEmpty())
        m_options.targetFolder.clear();
    else if (!folder.isAbsolute())
        problem = tr("Zielordner: bitte den ganzen Pfad angeben, beginnend mit /");
    else if (!folder.exists())
        problem = tr("Den Zielordner %1 gibt es nicht").arg(text);
    else if (!folder.isDir())
        problem = tr("Der Zielordner %1 ist kein Ordner").arg(text);
    else if (!folder.isWritable())
        problem = tr("In den Zielordner %1 darf nicht geschrieben werden").arg(text);
    else
        m_options.targetFolder = FolderPrefix(QDir::cleanPath(folder.absoluteFilePath()));
    m_options.copy = m_copy->isChecked();
    m_renameButton->setText(BatchVerb(m_options));
    if (problem.isEmpty())
        return true;
    m_renameButton->setEnabled(false);
    m_summary->setText(problem);
    return false;
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
    // The pattern is checked against the file system the files go to.
    if (!takeTarget())
        return;
    const QString patternText = m_patternField->text();
    auto pattern = PatternForJobs(patternText, m_jobs, m_options.targetFolder);
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
    m_table->setHorizontalHeaderItem(1, new QTableWidgetItem(m_options.targetFolder.isEmpty() ? tr("Neuer Name")
                                                                                             : tr("Im Zielordner")));
    int moving = 0;
    int row = 0;
    for (const PlannedFile &file : m_plan.files) {
        const RenameOutcome &outcome = file.outcome;
        const qsizetype below =
            m_options.targetFolder.isEmpty() ? outcome.oldPath.lastIndexOf(u'/') + 1 : m_options.targetFolder.size();
        QString verdict;
        switch (outcome.status) {
        // With the folders a pattern puts it in, below its own folder or the target.
        case RenameStatus::Renamed: verdict = outcome.newPath.mid(below); break;
        case RenameStatus::Skipped: verdict = tr("bleibt: %1").arg(RenameReasonText(outcome)); break;
        case RenameStatus::Failed: verdict = tr("fehlgeschlagen: %1").arg(RenameReasonText(outcome)); break;
        }
        m_table->setItem(row, 0, new QTableWidgetItem(FileNamePart(outcome.oldPath)));
        m_table->setItem(row++, 1, new QTableWidgetItem(verdict));
        moving += outcome.status == RenameStatus::Renamed ? 1 : 0;
    }
    const int staying = int(m_plan.files.size()) - moving;
    const QString going = m_options.targetFolder.isEmpty() ? tr("%n wird umbenannt", nullptr, moving)
                          : m_options.copy               ? tr("%n wird kopiert", nullptr, moving)
                                                         : tr("%n wird verschoben", nullptr, moving);
    m_summary->setText(tr("%1, %2", "files renamed, files staying").arg(going, tr("%n bleibt", nullptr, staying)));
    // File times alone (names already right) are a change as well.
    m_renameButton->setEnabled(moving > 0 || m_options.fileTimes);
}
