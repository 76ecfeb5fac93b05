#include "app/Command1Rename.h"

#include "app/MainWindow.h"
#include "app/SelectionPanel.h"
#include "dialogs/BatchReportDialog.h"
#include "rename/BatchReport.h"
#include "rename/CarryOutPlan.h"
#include "services/Paths.h"
#include "ui/Ui.h"
#include "widgets/FileListBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>

namespace {

void ResetPanel(MainWindow &window)
{
    ClearPreview(window);
    ResetSummary(window);
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

std::vector<RenameJob> SelectedRenameJobs(MainWindow &window)
{
    FileListBox &list = *window.FileList();
    const QString folder = FolderPrefix(list.Path());
    // Positions as the list holds them before any rename.
    std::vector<RenameJob> jobs;
    for (int i = 0; i < list.ListCount(); ++i) {
        if (list.Selected(i))
            jobs.push_back({folder, list.List(i), std::nullopt});
    }
    return jobs;
}

void ConnectBatchRename(MainWindow &window)
{
    QObject::connect(window.Command1(), &QPushButton::clicked, &window,
                     [&window] { RenameSelectedFiles(window); });
}

void RenameSelectedFiles(MainWindow &window)
{
    if (window.FileList()->ListCount() == 0)
        return;
    const std::vector<RenameJob> jobs = SelectedRenameJobs(window);

    RenameOptions options;
    options.fileTimes = window.chkFileTime()->isChecked();
    const bool frozen = window.chkFreeze()->isChecked();
    if (frozen) {
        // Without a usable frozen time nothing is renamed, and the user is told why.
        if (!window.FrozenExifTime) {
            if (!jobs.empty())
                ShowMessage(NoFrozenTimeText, 2);
            return;
        }
        options.frozenTime = window.FrozenExifTime;
    }

    const int total = int(jobs.size());
    QProgressDialog progress(DoneText(0, total), QStringLiteral("Abbrechen"), 0, total, &window);
    progress.setWindowTitle(QStringLiteral("Umbenennen"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    progress.setValue(0);
    if (!jobs.empty())
        ResetPanel(window);
    const std::vector<RenameOutcome> outcomes = RunBatchRename(jobs, options, [&](const RenameOutcome &, int done, int all) {
        // Companions and the other files of a shot count as well.
        progress.setMaximum(all);
        progress.setLabelText(DoneText(done, all));
        progress.setValue(done);
        if (done < all)
            ResetPanel(window);
        return !progress.wasCanceled();
    });
    progress.close();

    window.RefreshList();
    window.chkFreeze()->setChecked(false);
    window.lblEXIFTime()->setText(QString());
    window.lblFileSize()->setText(QString());
    window.lblFileTime()->setText(QString());

    const BatchReport report = MakeBatchReport(outcomes);
    if (!report.worthShowing())
        return;
    SelectLeftAlone(*window.FileList(), outcomes);
    BatchReportDialog(report.summary, report.lines(), &window).exec();
}
