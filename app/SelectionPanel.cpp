#include "app/SelectionPanel.h"

#include "app/Form1.h"
#include "app/PanelTexts.h"
#include "app/WidgetColour.h"
#include "metadata/ReaderTexts.h"
#include "metadata/clsEXIF.h"
#include "services/Paths.h"
#include "ui/PreviewLoader.h"
#include "widgets/FileListBox.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>

namespace {

// How many neighbours in the direction of travel are prepared ahead.
constexpr int kAhead = 6;

QString EntryPath(const Form1 &form, int row)
{
    return FolderPrefix(form.FileList()->Path()) + form.FileList()->List(row);
}

// Asks for the current entry's preview at the box's own pixel density, and
// for the next entries the way the user is moving through the list.
void WantPreview(Form1 &form)
{
    const FileListBox &list = *form.FileList();
    const int row = list.ListIndex();
    if (row < 0)
        return;
    const int step = row >= form.PreviewRow ? 1 : -1;
    form.PreviewRow = row;
    QStringList ahead;
    for (int next = row + step; ahead.size() < kAhead && next >= 0 && next < list.ListCount(); next += step)
        ahead << EntryPath(form, next);
    const QLabel *preview = form.picPreview();
    const qreal density = preview->devicePixelRatioF();
    form.Previews().want(EntryPath(form, row), (QSizeF(preview->contentsRect().size()) * density).toSize(), ahead);
}

void ShowSummary(Form1 &form, const ExifSummary &summary)
{
    if (summary.camera)
        form.lblCam()->setText(*summary.camera);
    if (summary.fNumber)
        form.lblBlende()->setText(ApertureText(*summary.fNumber));
    if (summary.exposureSeconds)
        form.lblExp()->setText(ExposureText(*summary.exposureSeconds));
    if (summary.iso)
        form.lblISO()->setText(QStringLiteral("ISO ") + QString::number(*summary.iso));
    if (!summary.captureTime)
        return;
    form.lblTimeDate()->setText(TimeDateText(*summary.captureTime));
    if (form.chkFreeze()->isChecked())
        return;
    form.lblEXIFTime()->setText(ExifTimeText(*summary.captureTime));
    form.FrozenExifTime = summary.captureTime;
}

void ShowFileFacts(Form1 &form, const QString &path)
{
    const QFileInfo file(path);
    if (file.exists()) {
        form.lblFileTime()->setText(FileTimeText(file.lastModified()));
        form.lblFileSize()->setText(FileSizeText(file.size()));
    }
    SetColour(form.lblFileTime(), QPalette::WindowText,
              FileTimeColour(form.lblFileTime()->text(), form.lblEXIFTime()->text()));
}

}

void ShowPreview(Form1 &form, const Thumbnail &thumbnail)
{
    QLabel *preview = form.picPreview();
    if (thumbnail.image.isNull()) {
        preview->clear();
    } else {
        // Drawn at the screen's own pixel density, so a scaled desktop shows it sharp.
        QPixmap pixmap = QPixmap::fromImage(thumbnail.image);
        pixmap.setDevicePixelRatio(preview->devicePixelRatioF());
        preview->setPixmap(pixmap);
    }
}

void RefitPreview(Form1 &form)
{
    if (!form.picPreview()->pixmap().isNull() || form.Previews().waiting())
        WantPreview(form);
}

void ClearPreview(Form1 &form)
{
    form.Previews().cancel();
    form.picPreview()->clear();
}

void ResetSummary(Form1 &form)
{
    form.txtInfo()->clear();
    form.lblCam()->setText(QStringLiteral("Camera:"));
    form.lblBlende()->setText(QStringLiteral("Blende:"));
    form.lblExp()->setText(QStringLiteral("Belichtung:"));
    form.lblISO()->setText(QStringLiteral("ISO:"));
    form.lblTimeDate()->setText(QStringLiteral("Datum & Zeit:"));
}

void ShowFrozenTime(Form1 &form)
{
    if (form.FrozenExifTime)
        form.lblEXIFTime()->setText(ExifTimeText(*form.FrozenExifTime));
    else
        form.lblEXIFTime()->setText(QStringLiteral("No EXIF Data"));
}

void ShowSelectedFile(Form1 &form)
{
    const QString name = form.FileList()->FileName();
    if (name.isEmpty())
        return;
    const QString path = FolderPrefix(form.FileList()->Path()) + name;

    WantPreview(form);
    ResetSummary(form);
    if (!form.chkFreeze()->isChecked())
        form.lblEXIFTime()->setText(QStringLiteral("No EXIF Data"));

    clsEXIF &reader = form.ExifReader();
    reader.setImageFile(path);
    const ExifSummary summary = reader.Summary();
    // The tag list ends with the capture time and where it came from.
    QString tags = reader.ListInfo();
    if (reader.ReadStatus() != 2) {
        if (!tags.endsWith(u'\n'))
            tags += QStringLiteral("\r\n");
        tags += ReaderTexts::CaptureTimeLine(summary);
    }
    form.txtInfo()->setPlainText(tags);
    form.lblSize()->setText(ImageSizeText(reader.ImageSize()));
    ShowSummary(form, summary);

    ShowFileFacts(form, path);
}
