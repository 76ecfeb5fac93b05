#include "widgets/InfoPanel.h"

#include "metadata/ExifNumberText.h"
#include "ui/DateTimeText.h"
#include "widgets/Colours.h"
#include "widgets/ElidedLabel.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>

#include <cmath>

namespace {

const QColor WarningRed(192, 0, 0);

}

InfoPanel::InfoPanel(QWidget *parent)
    : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    camera_ = addRow(0, 0, tr("Kamera:"), "camera");
    aperture_ = addRow(1, 0, tr("Blende:"), "aperture");
    exposure_ = addRow(2, 0, tr("Belichtung:"), "exposure");
    iso_ = addRow(3, 0, tr("ISO:"), "iso");
    taken_ = addRow(0, 2, tr("Datum & Zeit:"), "taken");
    imageSize_ = addRow(1, 2, tr("Bildgröße:"), "imageSize");
    fileSize_ = addRow(2, 2, tr("Dateigröße:"), "fileSize");
    fileTime_ = addRow(3, 2, tr("Dateizeit:"), "fileTime");
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnMinimumWidth(2, 0);
    grid->setHorizontalSpacing(8);
}

ElidedLabel *InfoPanel::addRow(int row, int column, const QString &caption, const char *name)
{
    auto *grid = static_cast<QGridLayout *>(layout());
    auto *label = new QLabel(caption, this);
    label->setTextFormat(Qt::PlainText);
    auto *value = new ElidedLabel(this);
    value->setObjectName(QLatin1String(name));
    grid->addWidget(label, row, column);
    grid->addWidget(value, row, column + 1);
    return value;
}

void InfoPanel::setFacts(const PhotoFacts &facts)
{
    const QLocale locale;
    const ExifSummary &summary = facts.summary;
    camera_->setText(summary.camera.value_or(QString()));
    aperture_->setText(summary.fNumber ? tr("f/%1").arg(locale.toString(std::round(*summary.fNumber * 10) / 10, 'f', 1))
                                       : QString());
    exposure_->setText(summary.exposureSeconds && *summary.exposureSeconds > 0
                           ? tr("%1 s").arg(ExposureTimeText(*summary.exposureSeconds, locale))
                           : QString());
    iso_->setText(summary.iso ? QString::number(*summary.iso) : QString());
    taken_->setText(summary.captureTime
                        ? DateTimeText(summary.captureTime->date(), summary.captureTime->time(), locale)
                        : QString());
    imageSize_->setText(facts.imageSize ? tr("%1 × %2").arg(facts.imageSize->width()).arg(facts.imageSize->height())
                                        : QString());
    fileSize_->setText(facts.fileBytes ? locale.formattedDataSize(*facts.fileBytes, 1, QLocale::DataSizeSIFormat)
                                       : QString());
    if (facts.modified) {
        const QDateTime local = facts.modified->toLocalTime();
        fileTime_->setText(DateTimeText(local.date(), local.time(), locale));
    } else {
        fileTime_->setText(QString());
    }
    fileTimeDiffers_ = facts.modified && !(facts.comparedTime && FileTimeMatches(*facts.modified, *facts.comparedTime));
    colourFileTime();
}

void InfoPanel::clear()
{
    setFacts({});
}

void InfoPanel::colourFileTime()
{
    // Only the text colour is set; the rest follows the panel.
    QPalette colours;
    if (fileTimeDiffers_)
        colours.setColor(QPalette::WindowText, Readable(WarningRed, palette().color(QPalette::Window),
                                                        palette().color(QPalette::WindowText)));
    fileTime_->setPalette(colours);
}

// A new theme brings new colours; the warning is mixed for it again.
void InfoPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        colourFileTime();
    QWidget::changeEvent(event);
}

bool FileTimeMatches(const QDateTime &modified, const CaptureTime &captured)
{
    return modified.toSecsSinceEpoch() == captured.instant().time_since_epoch().count();
}
