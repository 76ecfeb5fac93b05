#include "app/SelectionPanel.h"

#include "app/MainWindow.h"
#include "app/PanelTexts.h"
#include "app/WidgetColour.h"
#include "metadata/clsEXIF.h"
#include "services/Paths.h"
#include "preview/PreviewLoader.h"
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
    return FolderPrefix(window.files()->folder()) + window.files()->entryName(row);
}

// Asks for the current entry's preview at the box's own pixel density, and
// for the next entries the way the user is moving through the list.
void WantPreview(MainWindow &window)
{
    const FileListBox &list = *window.files();
    const int row = list.currentRow();
    if (row < 0)
        return;
    const int step = row >= window.previewRow ? 1 : -1;
    window.previewRow = row;
    QStringList ahead;
    for (int next = row + step; ahead.size() < kAhead && next >= 0 && next < list.entryCount(); next += step)
        ahead << EntryPath(window, next);
    const QLabel *preview = window.preview();
    const qreal density = preview->devicePixelRatioF();
    window.previews().want(EntryPath(window, row), (QSizeF(preview->contentsRect().size()) * density).toSize(), ahead);
}

void ShowSummary(MainWindow &window, const clsEXIF &reader)
{
    const ExifSummary summary = reader.Summary();
    if (summary.camera)
        window.camera()->setText(*summary.camera);
    if (summary.fNumber)
        window.aperture()->setText(ApertureText(*summary.fNumber));
    if (summary.exposureSeconds)
        window.exposure()->setText(ExposureText(*summary.exposureSeconds));
    if (summary.iso)
        window.iso()->setText(QStringLiteral("ISO ") + *summary.iso);
    if (!summary.captureTime)
        return;
    window.summaryTime()->setText(TimeDateText(*summary.captureTime));
    if (window.freezeTime()->isChecked())
        return;
    window.captureTime()->setText(ExifTimeText(*summary.captureTime));
    window.frozenTime = summary.captureTime;
}

void ShowFileFacts(MainWindow &window, const QString &path)
{
    const QFileInfo file(path);
    if (file.exists()) {
        window.fileTime()->setText(FileTimeText(file.lastModified()));
        window.fileSize()->setText(FileSizeText(file.size()));
    }
    SetColour(window.fileTime(), QPalette::WindowText,
              FileTimeColour(window.fileTime()->text(), window.captureTime()->text()));
}

}

void ShowPreview(MainWindow &window, const Thumbnail &thumbnail)
{
    QLabel *preview = window.preview();
    if (thumbnail.image.isNull()) {
        preview->clear();
    } else {
        // Drawn at the screen's own pixel density, so a scaled desktop shows it sharp.
        QPixmap pixmap = QPixmap::fromImage(thumbnail.image);
        pixmap.setDevicePixelRatio(preview->devicePixelRatioF());
        preview->setPixmap(pixmap);
    }
    if (thumbnail.sizeKnown)
        window.imageSize()->setText(ImageSizeText(thumbnail.imageWidth, thumbnail.imageHeight, thumbnail.orientation));
}

void RefitPreview(MainWindow &window)
{
    if (!window.preview()->pixmap().isNull() || window.previews().waiting())
        WantPreview(window);
}

void ClearPreview(MainWindow &window)
{
    window.previews().cancel();
    window.preview()->clear();
}

void ResetSummary(MainWindow &window)
{
    window.tagList()->clear();
    window.camera()->setText(QStringLiteral("Camera:"));
    window.aperture()->setText(QStringLiteral("Blende:"));
    window.exposure()->setText(QStringLiteral("Belichtung:"));
    window.iso()->setText(QStringLiteral("ISO:"));
    window.summaryTime()->setText(QStringLiteral("Datum & Zeit:"));
}

void ShowFrozenTime(MainWindow &window)
{
    if (window.frozenTime)
        window.captureTime()->setText(ExifTimeText(*window.frozenTime));
    else
        window.captureTime()->setText(QStringLiteral("No EXIF Data"));
}

void ShowSelectedFile(MainWindow &window)
{
    const QString name = window.files()->currentName();
    if (name.isEmpty())
        return;
    const QString path = FolderPrefix(window.files()->folder()) + name;

    WantPreview(window);
    ResetSummary(window);
    if (!window.freezeTime()->isChecked())
        window.captureTime()->setText(QStringLiteral("No EXIF Data"));

    clsEXIF &reader = window.reader();
    reader.setImageFile(path);
    window.tagList()->setPlainText(reader.ListInfo());
    ShowSummary(window, reader);

    ShowFileFacts(window, path);
}
