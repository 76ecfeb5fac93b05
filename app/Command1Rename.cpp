#include "app/Command1Rename.h"

#include "app/Form1.h"
#include "app/SelectionPanel.h"
#include "app/SettingsLocation.h"
#include "dialogs/BatchReportDialog.h"
#include "rename/BatchReport.h"
#include "rename/CarryOutPlan.h"
#include "rename/RenameMessages.h"
#include "services/Paths.h"
#include "ui/Ui.h"
#include "widgets/FileListBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>

namespace {

void ResetPanel(Form1 &form)
{
    ClearPreview(form);
    ResetSummary(form);
}

QString DoneText(int done, int total)
{
    return QStringLiteral("%1 von %2 Dateien erledigt").arg(done).arg(total);
}

// Selects the entries the batch left alone, so that the user sees them.
void SelectLeftAlone(FileListBox &list, const std::vector<RenameOutcome> &outcomes)
{
    for (const RenameOutcome &outcome : outcomes) {
        if (outcome.status == RenameStatus::Renamed)
            continue;
        const QString name = FileNamePart(outcome.oldPath);
        for (int i = 0; i < list.ListCount(); ++i) {
            if (list.List(i) == name)
                list.setSelected(i, true);
        }
    }
}

} // namespace

std::vector<RenameJob> SelectedRenameJobs(Form1 &form)
{
    FileListBox &list = *form.FileList();
    const QString folder = FolderPrefix(list.Path());
    // Positions as the list holds them before any rename.
    std::vector<RenameJob> jobs;
    for (int i = 0; i < list.ListCount(); ++i) {
        if (list.Selected(i))
            jobs.push_back({folder, list.List(i), std::nullopt});
    }
    return jobs;
}

void ConnectBatchRename(Form1 &form)
{
    QObject::connect(form.Command1(), &QPushButton::clicked, &form,
                     [&form] { RenameSelectedFiles(form); });
}

void RenameSelectedFiles(Form1 &form)
{
    if (form.FileList()->ListCount() == 0)
        return;
    const std::vector<RenameJob> jobs = SelectedRenameJobs(form);

    RenameOptions options;
    options.fileTimes = form.chkFileTime()->isChecked();
    // The pattern "Umbenennen mit Vorschau..." remembered; none: the names as always.
    if (const QString remembered = RememberedNamePattern(); !remembered.isEmpty()) {
        auto pattern = PatternForJobs(remembered, jobs);
        if (const auto *error = std::get_if<PatternError>(&pattern)) {
            ShowMessage(PatternErrorText(*error, remembered), 2);
            return;
        }
        options.pattern = std::get<NamePattern>(std::move(pattern));
    }
    const bool frozen = form.chkFreeze()->isChecked();
    if (frozen) {
        // Without a usable frozen time nothing is renamed, and the user is told why.
        if (!form.FrozenExifTime) {
            if (!jobs.empty())
                ShowMessage(NoFrozenTimeText, 2);
            return;
        }
        options.frozenTime = form.FrozenExifTime;
    }

    const int total = int(jobs.size());
    QProgressDialog progress(DoneText(0, total), QStringLiteral("Abbrechen"), 0, total, &form);
    progress.setWindowTitle(QStringLiteral("Umbenennen"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    progress.setValue(0);
    if (!jobs.empty())
        ResetPanel(form);
    const std::vector<RenameOutcome> outcomes = RunBatchRename(jobs, options, [&](const RenameOutcome &, int done, int all) {
        // Companions and the other files of a shot count as well.
        progress.setMaximum(all);
        progress.setLabelText(DoneText(done, all));
        progress.setValue(done);
        if (done < all)
            ResetPanel(form);
        return !progress.wasCanceled();
    });
    progress.close();

    form.RefreshList();
    form.chkFreeze()->setChecked(false);
    form.lblEXIFTime()->setText(QString());
    form.lblFileSize()->setText(QString());
    form.lblFileTime()->setText(QString());

    const BatchReport report = MakeBatchReport(outcomes);
    if (!report.worthShowing())
        return;
    SelectLeftAlone(*form.FileList(), outcomes);
    BatchReportDialog(report.summary, report.lines(), &form).exec();
}
