#include "widgets/PreviewView.h"

#include "preview/PreviewLoader.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// How long a size must hold before the photo is decoded for it.
constexpr int SettleMs = 150;

}

PreviewView::PreviewView(QWidget *parent)
    : QFrame(parent), loader_(new PreviewLoader(this))
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    settle_.setSingleShot(true);
    settle_.setInterval(SettleMs);
    connect(&settle_, &QTimer::timeout, this, [this] {
        if (!path_.isEmpty())
            ask();
    });
    connect(loader_, &PreviewLoader::ready, this, &PreviewView::arrived);
}

void PreviewView::showPhoto(const QString &path, const QStringList &ahead)
{
    path_ = path;
    ahead_ = ahead;
    ask();
}

void PreviewView::clear()
{
    path_.clear();
    loader_->cancel();
    picture_ = QPixmap();
    update();
}

bool PreviewView::waiting() const
{
    return loader_->waiting();
}

QSize PreviewView::sizeHint() const
{
    return {480, 320};
}

QSize PreviewView::minimumSizeHint() const
{
    return {120, 80};
}

// The box in device pixels, so that a scaled desktop gets a sharp picture.
void PreviewView::ask()
{
    const QSize box = (QSizeF(contentsRect().size()) * devicePixelRatioF()).toSize();
    loader_->want(path_, box, ahead_);
}

void PreviewView::arrived(const Thumbnail &thumbnail)
{
    picture_ = QPixmap::fromImage(thumbnail.image);
    picture_.setDevicePixelRatio(devicePixelRatioF());
    update();
}

void PreviewView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect box = contentsRect();
    painter.fillRect(box, palette().color(QPalette::Dark));
    if (!picture_.isNull()) {
        const QSize shown = picture_.deviceIndependentSize().toSize().boundedTo(box.size());
        const QSize fitted = picture_.deviceIndependentSize().toSize().scaled(shown, Qt::KeepAspectRatio);
        QRect place(QPoint(), fitted);
        place.moveCenter(box.center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(place, picture_);
    }
    painter.end();
    QFrame::paintEvent(event);
}

void PreviewView::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    settle_.start();
}

void PreviewView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        clear();
    QFrame::mouseReleaseEvent(event);
}
