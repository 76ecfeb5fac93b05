#include "app/SelectionPanel.h"

#include "app/Form1.h"
#include "app/PanelTexts.h"
#include "app/WidgetColour.h"
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
    const Thumbnail thumbnail = LoadThumbnail(path, preview->contentsRect().height());
    if (thumbnail.image.isNull())
        preview->clear();
    else
        preview->setPixmap(QPixmap::fromImage(thumbnail.image));
    if (thumbnail.sizeKnown) {
        form.ImageWidth = thumbnail.imageWidth;
        form.ImageHeight = thumbnail.imageHeight;
    }
    form.lblSize()->setText(ImageSizeText(form.ImageHeight, form.ImageWidth));
}

void ShowSummary(Form1 &form, const clsEXIF &reader)
{
    const ExifSummary summary = reader.Summary();
    if (summary.camera)
        form.lblCam()->setText(*summary.camera);
    if (summary.aperture)
        form.lblBlende()->setText(QStringLiteral("Blende: f ") + *summary.aperture);
    if (summary.exposure)
        form.lblExp()->setText(QStringLiteral("Belichtung: 1/") + *summary.exposure + u's');
    if (summary.iso)
        form.lblISO()->setText(QStringLiteral("ISO ") + *summary.iso);
    if (!summary.captureTime)
        return;
    const QString time = summary.captureTime->right(8);
    const QString date = summary.captureTime->left(10);
    form.lblTimeDate()->setText(date + QStringLiteral("  -  ") + time);
    if (form.chkFreeze()->isChecked())
        return;
    // "YYYY:MM:DD" becomes "DD.MM.YYYY".
    form.lblEXIFTime()->setText(date.right(2) + u'.' + date.mid(5, 2) + u'.' + date.left(4) + u' ' + time);
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
    form.txtInfo()->setPlainText(reader.ListInfo());
    ShowSummary(form, reader);

    ShowFileFacts(form, path);
}
