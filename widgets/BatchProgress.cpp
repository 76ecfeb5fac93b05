#include "widgets/BatchProgress.h"

#include <QLocale>

namespace {

// The bar's steps while it follows the bytes: QProgressDialog counts in int.
constexpr int ByteSteps = 1000;

QString Size(qint64 bytes)
{
    // Decimal units with one place, as the file managers show sizes.
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

} // namespace

QString DoneText(int done, int total)
{
    const QLocale locale;
    return BatchProgress::tr("%1 von %2 Dateien erledigt").arg(locale.toString(done), locale.toString(total));
}

BatchProgress::BatchProgress(QWidget &owner, const QString &title, int total, bool cancellable)
    : dialog_(DoneText(0, total), tr("Abbrechen"), 0, total, &owner), total_(total)
{
    dialog_.setWindowTitle(title);
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(ProgressDelayMs);
    dialog_.setAutoReset(false);
    if (!cancellable)
        dialog_.setCancelButton(nullptr);
    dialog_.setValue(0);
    clock_.start();
}

bool BatchProgress::step(int done, int total)
{
    done_ = done;
    total_ = total;
    show(done >= total);
    return !dialog_.wasCanceled();
}

void BatchProgress::copied(qint64 done, qint64 total)
{
    bytesDone_ = done;
    bytesTotal_ = total;
    show(done >= total);
}

void BatchProgress::show(bool last)
{
    if (!last && clock_.elapsed() < ProgressStepMs)
        return;
    clock_.restart();
    if (bytesTotal_ > 0) {
        dialog_.setMaximum(ByteSteps);
        dialog_.setLabelText(tr("%1 von %2 Dateien erledigt\n%3 von %4")
                                 .arg(QLocale().toString(done_), QLocale().toString(total_), Size(bytesDone_),
                                      Size(bytesTotal_)));
        dialog_.setValue(int(bytesDone_ * ByteSteps / bytesTotal_));
        return;
    }
    dialog_.setMaximum(total_);
    dialog_.setLabelText(DoneText(done_, total_));
    dialog_.setValue(done_);
}

void BatchProgress::finish()
{
    canceled_ = dialog_.wasCanceled();
    dialog_.reset();
}
