#include "app/SelectionPanel.h"

#include "app/Form1.h"
#include "app/PanelTexts.h"
#include "app/WidgetColour.h"
#include "metadata/ExifTagNames.h"
#include "metadata/clsEXIF.h"
#include "services/Paths.h"
#include "ui/Thumbnail.h"
#include "widgets/FileListBox.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>

namespace {

void ShowPreview(Form1 &form, const QString &path)
{
    QLabel *preview = form.picPreview();
    // Drawn at the screen's own pixel density, so a scaled desktop shows it sharp.
    const qreal density = preview->devicePixelRatioF();
    const Thumbnail thumbnail = LoadThumbnail(path, qRound(preview->contentsRect().height() * density));
    if (thumbnail.image.isNull()) {
        preview->clear();
    } else {
        QPixmap pixmap = QPixmap::fromImage(thumbnail.image);
        pixmap.setDevicePixelRatio(density);
        preview->setPixmap(pixmap);
    }
    if (thumbnail.sizeKnown) {
        form.ImageWidth = thumbnail.imageWidth;
        form.ImageHeight = thumbnail.imageHeight;
    }
}

void ShowImageSize(Form1 &form, const clsEXIF &reader)
{
    QString text;
    const auto orientation = reader.MetaInfo(ExifTagId::Orientation, text);
    const int32_t *value = std::get_if<int32_t>(&orientation);
    form.lblSize()->setText(ImageSizeText(form.ImageWidth, form.ImageHeight, value ? *value : 1));
}

void ShowSummary(Form1 &form, const clsEXIF &reader)
{
    const ExifSummary summary = reader.Summary();
    if (summary.camera)
        form.lblCam()->setText(*summary.camera);
    if (summary.fNumber)
        form.lblBlende()->setText(ApertureText(*summary.fNumber));
    if (summary.exposureSeconds)
        form.lblExp()->setText(ExposureText(*summary.exposureSeconds));
    if (summary.iso)
        form.lblISO()->setText(QStringLiteral("ISO ") + *summary.iso);
    if (!summary.captureTime)
        return;
    const QString time = summary.captureTime->right(8);
    const QString date = summary.captureTime->left(10);
    form.lblTimeDate()->setText(date + QStringLiteral("  -  ") + time);
    if (form.chkFreeze()->isChecked())
        return;
    form.lblEXIFTime()->setText(ExifTimeText(date, time));
    form.FrozenExifTime = reader.ExifTime();
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
    if (form.FrozenExifTime.isEmpty())
        form.lblEXIFTime()->setText(QStringLiteral("No EXIF Data"));
    else
        form.lblEXIFTime()->setText(ExifTimeText(form.FrozenExifTime.left(10), form.FrozenExifTime.right(8)));
}

void ShowSelectedFile(Form1 &form)
{
    const QString name = form.FileList()->FileName();
    if (name.isEmpty())
        return;
    QString folder = form.FileList()->Path();
    const QString path = AddBackslash(folder) + name;

    ShowPreview(form, path);
    ResetSummary(form);
    if (!form.chkFreeze()->isChecked())
        form.lblEXIFTime()->setText(QStringLiteral("No EXIF Data"));

    clsEXIF &reader = form.ExifReader();
    reader.setImageFile(path);
    ShowImageSize(form, reader);
    form.txtInfo()->setPlainText(reader.ListInfo());
    ShowSummary(form, reader);

    ShowFileFacts(form, path);
}
