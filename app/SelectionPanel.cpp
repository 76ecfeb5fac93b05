#include "app/SelectionPanel.h"

#include "app/MainWindow.h"
#include "app/PanelTexts.h"
#include "app/WidgetColour.h"
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

QString EntryPath(const MainWindow &window, int row)
{
    return FolderPrefix(window.FileList()->Path()) + window.FileList()->List(row);
}

// Asks for the current entry's preview at the box's own pixel density, and
// for the next entries the way the user is moving through the list.
void WantPreview(MainWindow &window)
{
    const FileListBox &list = *window.FileList();
    const int row = list.ListIndex();
    if (row < 0)
        return;
    const int step = row >= window.PreviewRow ? 1 : -1;
    window.PreviewRow = row;
    QStringList ahead;
    for (int next = row + step; ahead.size() < kAhead && next >= 0 && next < list.ListCount(); next += step)
        ahead << EntryPath(window, next);
    const QLabel *preview = window.picPreview();
    const qreal density = preview->devicePixelRatioF();
    window.Previews().want(EntryPath(window, row), (QSizeF(preview->contentsRect().size()) * density).toSize(), ahead);
}

void ShowSummary(MainWindow &window, const clsEXIF &reader)
{
    const ExifSummary summary = reader.Summary();
    if (summary.camera)
        window.lblCam()->setText(*summary.camera);
    if (summary.fNumber)
        window.lblBlende()->setText(ApertureText(*summary.fNumber));
    if (summary.exposureSeconds)
        window.lblExp()->setText(ExposureText(*summary.exposureSeconds));
    if (summary.iso)
        window.lblISO()->setText(QStringLiteral("ISO ") + *summary.iso);
    if (!summary.captureTime)
        return;
    window.lblTimeDate()->setText(TimeDateText(*summary.captureTime));
    if (window.chkFreeze()->isChecked())
        return;
    window.lblEXIFTime()->setText(ExifTimeText(*summary.captureTime));
    window.FrozenExifTime = summary.captureTime;
}

void ShowFileFacts(MainWindow &window, const QString &path)
{
    const QFileInfo file(path);
    if (file.exists()) {
        window.lblFileTime()->setText(FileTimeText(file.lastModified()));
        window.lblFileSize()->setText(FileSizeText(file.size()));
    }
    SetColour(window.lblFileTime(), QPalette::WindowText,
              FileTimeColour(window.lblFileTime()->text(), window.lblEXIFTime()->text()));
}

}

void ShowPreview(MainWindow &window, const Thumbnail &thumbnail)
{
    QLabel *preview = window.picPreview();
    if (thumbnail.image.isNull()) {
        preview->clear();
    } else {
        // Drawn at the screen's own pixel density, so a scaled desktop shows it sharp.
        QPixmap pixmap = QPixmap::fromImage(thumbnail.image);
        pixmap.setDevicePixelRatio(preview->devicePixelRatioF());
        preview->setPixmap(pixmap);
    }
    if (thumbnail.sizeKnown)
        window.lblSize()->setText(ImageSizeText(thumbnail.imageWidth, thumbnail.imageHeight, thumbnail.orientation));
}

void RefitPreview(MainWindow &window)
{
    if (!window.picPreview()->pixmap().isNull() || window.Previews().waiting())
        WantPreview(window);
}

void ClearPreview(MainWindow &window)
{
    window.Previews().cancel();
    window.picPreview()->clear();
}

void ResetSummary(MainWindow &window)
{
    window.txtInfo()->clear();
    window.lblCam()->setText(QStringLiteral("Camera:"));
    window.lblBlende()->setText(QStringLiteral("Blende:"));
    window.lblExp()->setText(QStringLiteral("Belichtung:"));
    window.lblISO()->setText(QStringLiteral("ISO:"));
    window.lblTimeDate()->setText(QStringLiteral("Datum & Zeit:"));
}

void ShowFrozenTime(MainWindow &window)
{
    if (window.FrozenExifTime)
        window.lblEXIFTime()->setText(ExifTimeText(*window.FrozenExifTime));
    else
        window.lblEXIFTime()->setText(QStringLiteral("No EXIF Data"));
}

void ShowSelectedFile(MainWindow &window)
{
    const QString name = window.FileList()->FileName();
    if (name.isEmpty())
        return;
    const QString path = FolderPrefix(window.FileList()->Path()) + name;

    WantPreview(window);
    ResetSummary(window);
    if (!window.chkFreeze()->isChecked())
        window.lblEXIFTime()->setText(QStringLiteral("No EXIF Data"));

    clsEXIF &reader = window.ExifReader();
    reader.setImageFile(path);
    window.txtInfo()->setPlainText(reader.ListInfo());
    ShowSummary(window, reader);

    ShowFileFacts(window, path);
}
