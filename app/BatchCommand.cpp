#include "app/BatchCommand.h"

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
        for (int i = 0; i < list.entryCount(); ++i) {
            if (list.entryName(i) == name)
                list.setEntrySelected(i, true);
        }
    }
}

} // namespace

std::vector<RenameJob> SelectedRenameJobs(MainWindow &window)
{
    FileListBox &list = *window.files();
    const QString folder = FolderPrefix(list.folder());
    // Positions as the list holds them before any rename.
    std::vector<RenameJob> jobs;
    for (int i = 0; i < list.entryCount(); ++i) {
        if (list.isEntrySelected(i))
            jobs.push_back({folder, list.entryName(i), std::nullopt});
    }
    return jobs;
}

void ConnectBatchRename(MainWindow &window)
{
    QObject::connect(window.renameButton(), &QPushButton::clicked, &window,
                     [&window] { RenameSelectedFiles(window); });
}

void RenameSelectedFiles(MainWindow &window)
{
    if (window.files()->entryCount() == 0)
        return;
    const std::vector<RenameJob> jobs = SelectedRenameJobs(window);

    RenameOptions options;
    options.fileTimes = window.adjustFileTime()->isChecked();
    const bool frozen = window.freezeTime()->isChecked();
    if (frozen) {
        // Without a usable frozen time nothing is renamed, and the user is told why.
        if (!window.frozenTime) {
            if (!jobs.empty())
                ShowMessage(MessageKind::Warning, NoFrozenTimeText);
            return;
        }
        options.frozenTime = window.frozenTime;
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

    window.rereadFolder();
    window.freezeTime()->setChecked(false);
    window.captureTime()->setText(QString());
    window.fileSize()->setText(QString());
    window.fileTime()->setText(QString());

    const BatchReport report = MakeBatchReport(outcomes);
    if (!report.worthShowing())
        return;
    SelectLeftAlone(*window.files(), outcomes);
    BatchReportDialog(report.summary, report.lines(), &window).exec();
}
