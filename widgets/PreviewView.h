#pragma once

#include <QFrame>
#include <QPixmap>
#include <QStringList>
#include <QTimer>

class PreviewLoader;
struct Thumbnail;

// The preview box: the whole photo, upright, fitted into every pixel the box
// is given and centred. Decoding runs beside the window (PreviewLoader), and
// once the box has changed size and stays so, the photo is decoded again for
// the new size; meanwhile the last picture is drawn shrunk to fit, never
// blown up. A left click empties the box.
class PreviewView : public QFrame
{
    Q_OBJECT

public:
    explicit PreviewView(QWidget *parent = nullptr);

    // Shows `path`, asking for its picture at the box's size, and prepares
    // `ahead` (the next photos in the direction of travel) after it.
    void showPhoto(const QString &path, const QStringList &ahead);
    // Empties the box; a picture still being made is not shown.
    void clear();

    // The picture shown, at the box's pixel density.
    const QPixmap &picture() const { return picture_; }
    // A picture asked for has not come yet.
    bool waiting() const;
    PreviewLoader &loader() const { return *loader_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void ask();
    void arrived(const Thumbnail &thumbnail);

    PreviewLoader *loader_ = nullptr;
    QString path_;
    QStringList ahead_;
    QPixmap picture_;
    // Runs while the box is being resized; a new decode once it stops.
    QTimer settle_;
};
