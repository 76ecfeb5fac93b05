#pragma once

#include "metadata/ExifSummary.h"

#include <QDateTime>
#include <QSize>
#include <QWidget>

#include <optional>

class ElidedLabel;

// What the information panel shows of one photo.
struct PhotoFacts
{
    ExifSummary summary;
    // The photo's pixel size as shown, upright, where the reader knows it.
    std::optional<QSize> imageSize;
    std::optional<qint64> fileBytes;
    std::optional<QDateTime> modified;
    // The capture time the file time is held against: the photo's own, or
    // the frozen one while the time is frozen.
    std::optional<CaptureTime> comparedTime;
};

// The information panel beside the preview: camera, aperture, exposure,
// ISO and capture time, the image size, the file's size and time, each under
// its caption; a value too long for its room ends in "…" with the whole of
// it as tooltip. The file time stands out in red (as red as the theme
// allows) when it is not the compared capture time.
class InfoPanel : public QWidget
{
    Q_OBJECT

public:
    explicit InfoPanel(QWidget *parent = nullptr);

    void setFacts(const PhotoFacts &facts);
    // The captions alone.
    void clear();

protected:
    void changeEvent(QEvent *event) override;

private:
    ElidedLabel *addRow(int row, int column, const QString &caption, const char *name);
    void colourFileTime();

    ElidedLabel *camera_ = nullptr;
    ElidedLabel *aperture_ = nullptr;
    ElidedLabel *exposure_ = nullptr;
    ElidedLabel *iso_ = nullptr;
    ElidedLabel *taken_ = nullptr;
    ElidedLabel *imageSize_ = nullptr;
    ElidedLabel *fileSize_ = nullptr;
    ElidedLabel *fileTime_ = nullptr;
    bool fileTimeDiffers_ = false;
};

// True when the file's modification time is, to the second, the instant the
// capture time names: the file time a batch with "Dateizeit anpassen" gives.
bool FileTimeMatches(const QDateTime &modified, const CaptureTime &captured);
