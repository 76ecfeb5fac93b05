#include "app/SelectionPanel.h"

#include "app/Form1.h"
#include "app/PanelTexts.h"
#include "app/WidgetColour.h"
#include "metadata/clsEXIF.h"
#include "services/Paths.h"
#include "services/Thumbnail.h"
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
    if (form.freezeValue() == 0)
        form.lblEXIFTime()->setText(QStringLiteral("No EXIF Data"));

    clsEXIF &reader = form.ExifReader();
    reader.setImageFile(path);
    form.txtInfo()->setPlainText(reader.ListInfo());
    reader.ListEXIF(form, 0);

    ShowFileFacts(form, path);
}
