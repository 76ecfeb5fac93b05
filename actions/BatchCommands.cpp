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
#include "widgets/FileListBox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QMessageBox>
#include <QProgressDialog>

namespace {

// The progress of a long batch. It appears after ProgressDelayMs and is
// brought up to date at most every ProgressStepMs: a window-modal progress
// dialog runs the event loop at every step, which at every file would cost
// more than the renames themselves.
class BatchProgress
{
    Q_DECLARE_TR_FUNCTIONS(BatchProgress)

public:
    // An undo runs to its end: it has no "Abbrechen".
    BatchProgress(QWidget &owner, int total, bool cancellable)
        : dialog_(DoneText(0, total), tr("Abbrechen"), 0, total, &owner)
    {
        dialog_.setWindowTitle(cancellable ? tr("Umbenennen") : tr("Rückgängig machen"));
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(ProgressDelayMs);
        dialog_.setAutoReset(false);
        if (!cancellable)
            dialog_.setCancelButton(nullptr);
        dialog_.setValue(0);
        clock_.start();
    }

    // False once "Abbrechen" was pressed.
    bool step(int done, int total)
    {
        done_ = done;
        total_ = total;
        if (done < total && clock_.elapsed() < ProgressStepMs)
            return !dialog_.wasCanceled();
        clock_.restart();
        dialog_.setMaximum(total);
        dialog_.setLabelText(DoneText(done, total));
        dialog_.setValue(done);
        return !dialog_.wasCanceled();
    }

    // Gone from the screen before the report comes, and never shown after:
    // its timer would show one that has not come up yet. (Closing it would
    // count as "Abbrechen".)
    void finish()
    {
        canceled_ = dialog_.wasCanceled();
        dialog_.reset();
    }
    bool canceled() const { return canceled_; }
    int done() const { return done_; }
    int total() const { return total_; }

private:
    QProgressDialog dialog_;
    QElapsedTimer clock_;
    bool canceled_ = false;
    int done_ = 0;
    int total_ = 0;
};

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
    const QString folder = list.folder();
    host.BatchBegins();
    BatchProgress progress(host.Owner(), int(jobs.size()), true);
    // Companions and the other files of a shot count as well.
    const std::vector<RenameOutcome> outcomes = RunBatchRename(
        jobs, *options, [&progress](const RenameOutcome &, int done, int all) { return progress.step(done, all); });
    progress.finish();
    host.BatchEnded();
    SelectLeftAlone(host.Files(), outcomes);
    Conclude(host, folder, outcomes, progress.canceled(), progress.done(), progress.total());
}

void RenameWithPreview(BatchHost &host)
{
    const std::optional<RenameOptions> options = host.ChosenOptions();
    if (!options) {
        ShowMessage(MessageKind::Warning, NoFrozenTimeText());
        return;
    }
    const QString folder = host.Files().folder();
    RenamePreviewDialog dialog(SelectedRenameJobs(host.Files()), *options, &host.Owner());
    if (dialog.exec() != QDialog::Accepted)
        return;
    host.RememberNamePattern(dialog.plan().options.pattern.text());
    host.BatchBegins();
    host.BatchEnded();
    SelectLeftAlone(host.Files(), dialog.outcomes());
    Conclude(host, folder, dialog.outcomes(), false, 0, 0);
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
        BatchProgress progress(host.Owner(), batch->files, false);
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
