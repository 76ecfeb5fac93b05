#include "actions/BatchCommands.h"

#include "actions/BatchHost.h"
#include "actions/BatchTexts.h"
#include "dialogs/BatchReportDialog.h"
#include "dialogs/RenamePreviewDialog.h"
#include "rename/BatchReport.h"
#include "rename/CarryOutPlan.h"
#include "rename/RenameMessages.h"
#include "rename/UndoMessages.h"
#include "services/Paths.h"
#include "ui/Ui.h"
#include "widgets/BatchProgress.h"
#include "widgets/FileListBox.h"

#include <QHash>
#include <QMessageBox>

namespace {

// Selects the entries the batch left alone, so that the user sees them.
void SelectLeftAlone(FileListBox &list, const std::vector<RenameOutcome> &outcomes)
{
    QHash<QString, int> rows;
    for (int i = 0; i < list.entryCount(); ++i)
        rows.insert(list.entryName(i), i);
    for (const RenameOutcome &outcome : outcomes) {
        if (outcome.status == RenameStatus::Renamed)
            continue;
        const auto row = rows.constFind(FileNamePart(outcome.oldPath));
        if (row != rows.cend())
            list.setEntrySelected(*row, true);
    }
}

// The word in the status line after a rename and, when something is worth
// a report (or the batch was stopped), the report, shown at once and again
// from the status line.
void Conclude(BatchHost &host, const QString &folder, const std::vector<RenameOutcome> &outcomes, bool canceled,
              int done, int total)
{
    const BatchReport report = MakeBatchReport(outcomes);
    const QString word = RenameWord(report.counts, canceled);
    if (!report.worthShowing() && !canceled) {
        host.ShowBatchWord(word.toHtmlEscaped(), {});
        return;
    }
    QStringList lines = report.lines();
    QString summary = report.summary;
    if (canceled) {
        // What was done, file by file, before what was left alone.
        QStringList renamed;
        for (const RenameOutcome &outcome : outcomes) {
            if (outcome.status == RenameStatus::Renamed && !outcome.companion && !outcome.timesNotSet())
                renamed << FileNamePart(outcome.oldPath) + QStringLiteral(" -> ") + FileNamePart(outcome.newPath);
        }
        lines = renamed + lines;
        summary = CanceledSummary(summary, done, total);
    }
    QWidget *owner = &host.Owner();
    const auto show = [owner, summary, folder, lines] { BatchReportDialog(summary, folder, lines, owner).exec(); };
    host.ShowBatchWord(WithReportLink(word), show);
    show();
}

using Batch = std::function<std::vector<RenameOutcome>(const RenameProgress &, const CopyProgress &)>;

// Runs a rename batch between the window's closing steps, with its progress
// (and "Abbrechen"), then reports.
void CarryOut(BatchHost &host, const QString &folder, const RenameOptions &options, int files, const Batch &batch)
{
    host.BatchBegins();
    BatchProgress progress(host.Owner(), BatchVerb(options), files, true);
    // Companions and the other files of a shot count as well.
    const std::vector<RenameOutcome> outcomes =
        batch([&progress](const RenameOutcome &, int done, int all) { return progress.step(done, all); },
              [&progress](qint64 done, qint64 all) { progress.copied(done, all); });
    progress.finish();
    host.BatchEnded();
    SelectLeftAlone(host.Files(), outcomes);
    Conclude(host, folder, outcomes, progress.canceled(), progress.done(), progress.total());
}

bool AskUndo(QWidget &owner, const JournalInfo &batch)
{
    QMessageBox box(QMessageBox::Question, ProgramName, UndoQuestion(batch), QMessageBox::Yes | QMessageBox::No,
                    &owner);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

// An undo's line with the names alone where the file lies in the batch's folder.
QString NamedUndoLine(UndoOutcome outcome, const QString &folder)
{
    for (QString *path : {&outcome.newPath, &outcome.oldPath}) {
        if (path->startsWith(folder))
            *path = path->mid(folder.size());
    }
    return UndoOutcomeLine(outcome);
}

} // namespace

std::vector<RenameJob> SelectedRenameJobs(const FileListBox &list)
{
    const QString folder = FolderPrefix(list.folder());
    std::vector<RenameJob> jobs;
    for (int i = 0; i < list.entryCount(); ++i) {
        if (list.isEntrySelected(i))
            jobs.push_back({folder, list.entryName(i), std::nullopt});
    }
    return jobs;
}

void RenameSelection(BatchHost &host)
{
    FileListBox &list = host.Files();
    if (list.entryCount() == 0)
        return;
    const std::vector<RenameJob> jobs = SelectedRenameJobs(list);
    if (jobs.empty()) {
        host.ShowBatchWord(NothingSelectedText(), {});
        return;
    }
    std::optional<RenameOptions> options = host.ChosenOptions();
    if (!options) {
        ShowMessage(MessageKind::Warning, NoFrozenTimeText());
        return;
    }
    // A remembered pattern may hold what this folder's file system refuses.
    auto pattern = PatternForJobs(options->pattern.text(), jobs);
    if (const auto *error = std::get_if<PatternError>(&pattern)) {
        ShowMessage(MessageKind::Warning, PatternErrorText(*error, options->pattern.text()));
        return;
    }
    options->pattern = std::get<NamePattern>(std::move(pattern));
    CarryOut(host, list.folder(), *options, int(jobs.size()), [&](const RenameProgress &step, const CopyProgress &copied) {
        return RunBatchRename(jobs, *options, step, {}, copied);
    });
}

void RenameWithPreview(BatchHost &host)
{
    const std::optional<RenameOptions> options = host.ChosenOptions();
    if (!options) {
        ShowMessage(MessageKind::Warning, NoFrozenTimeText());
        return;
    }
    RenamePreviewDialog dialog(SelectedRenameJobs(host.Files()), *options, host.LibraryStart(), &host.Owner());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const BatchPlan &plan = dialog.plan();
    host.RememberNamePattern(plan.options.pattern.text());
    if (!plan.options.targetFolder.isEmpty())
        host.RememberLibrary(plan.options.targetFolder);
    CarryOut(host, host.Files().folder(), plan.options, int(plan.files.size()), [&](const RenameProgress &step, const CopyProgress &copied) {
        return CarryOutPlan(plan, step, copied);
    });
}

void UndoLastBatch(BatchHost &host)
{
    const std::optional<JournalInfo> batch = NewestUndoable();
    if (!batch) {
        ShowMessage(MessageKind::Information, NothingToUndoText());
        return;
    }
    if (!AskUndo(host.Owner(), *batch))
        return;
    host.BatchBegins();
    UndoRun run;
    {
        BatchProgress progress(host.Owner(), UndoTitle(), batch->files, false);
        int done = 0;
        run = UndoBatch(batch->number, [&](const UndoOutcome &) { progress.step(++done, batch->files); });
        progress.finish();
    }
    host.BatchEnded();
    if (run.refused()) {
        ShowMessage(MessageKind::Warning, UndoProblemText(batch->number, run.problem));
        return;
    }
    QStringList lines;
    // Damaged lines are said, and the readable rest was taken back.
    if (!run.problem.ok())
        lines << UndoProblemText(batch->number, run.problem);
    for (const UndoOutcome &outcome : run.outcomes)
        lines << NamedUndoLine(outcome, batch->folder);
    const QString summary = UndoSummaryLine(run.outcomes);
    QWidget *owner = &host.Owner();
    const auto show = [owner, summary, folder = batch->folder, lines] {
        BatchReportDialog(summary, folder, lines, owner).exec();
    };
    host.ShowBatchWord(WithReportLink(UndoWord(run.outcomes)), show);
    show();
}
