#include "widgets/ElidedLabel.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

ElidedLabel::ElidedLabel(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void ElidedLabel::setText(const QString &text)
{
    if (text == text_)
        return;
    text_ = text;
    textChanged();
}

void ElidedLabel::setAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

bool ElidedLabel::isElided() const
{
    return shown() != text_;
}

QSize ElidedLabel::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return {std::max(metrics.horizontalAdvance(text_), minimumSizeHint().width()), metrics.height()};
}

QSize ElidedLabel::minimumSizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return {metrics.horizontalAdvance(QStringLiteral("…")), metrics.height()};
}

QString ElidedLabel::shown() const
{
    return fontMetrics().elidedText(text_, Qt::ElideRight, width());
}

void ElidedLabel::textChanged()
{
    setToolTip(isElided() ? text_ : QString());
    updateGeometry();
    update();
}

void ElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    style()->drawItemText(&painter, rect(), int(alignment_) | Qt::TextSingleLine, palette(), isEnabled(), shown(),
                          foregroundRole());
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    setToolTip(isElided() ? text_ : QString());
}

void ElidedLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        textChanged();
    QWidget::changeEvent(event);
}
