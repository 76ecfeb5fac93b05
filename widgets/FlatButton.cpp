#include "widgets/FlatButton.h"

#include "widgets/Colours.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QStyle>

namespace {

// The pointer over the button outranks the focus, a press outranks both.
enum class Look { Disabled, Flat, Focus, Raised, Sunken };

constexpr qreal Radius = 3;
constexpr int PaddingX = 12;
constexpr int PaddingY = 5;

Look LookOf(const FlatButton &button)
{
    if (!button.isEnabled())
        return Look::Disabled;
    if (button.isDown())
        return Look::Sunken;
    if (button.underMouse())
        return Look::Raised;
    if (button.hasFocus() && button.isActiveWindow())
        return Look::Focus;
    return Look::Flat;
}

} // namespace

FlatButton::FlatButton(const QString &text, QWidget *parent)
    : QAbstractButton(parent)
{
    setText(text);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
}

QSize FlatButton::sizeHint() const
{
    const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
    return {caption.width() + 2 * PaddingX, caption.height() + 2 * PaddingY};
}

// Every colour comes from the palette's current group (the disabled one for a
// disabled button): the edge lies between the face and the caption colour,
// the raised face runs from Light down to Button, the sunken one is darkened
// towards Dark, and the focus draws a two-pixel ring in Highlight.
void FlatButton::paintEvent(QPaintEvent *)
{
    const Look look = LookOf(*this);
    const QPalette &colours = palette();
    const QColor face = colours.color(QPalette::Button);
    const QColor caption = colours.color(QPalette::ButtonText);
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor edge = Mix(face, caption, look == Look::Disabled ? 0.25 : 0.5);
    QBrush fill(face);
    switch (look) {
    case Look::Raised: {
        QLinearGradient raised(outline.topLeft(), outline.bottomLeft());
        raised.setColorAt(0, colours.color(QPalette::Light));
        raised.setColorAt(1, face);
        fill = raised;
        edge = Mix(face, caption, 0.7);
        break;
    }
    case Look::Sunken:
        fill = Mix(face, colours.color(QPalette::Dark), 0.4);
        break;
    case Look::Focus:
        edge = colours.color(QPalette::Highlight);
        break;
    case Look::Disabled:
    case Look::Flat:
        break;
    }

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(edge);
    painter.setBrush(fill);
    painter.drawRoundedRect(outline, Radius, Radius);
    if (look == Look::Focus) {
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(outline.adjusted(1, 1, -1, -1), Radius - 1, Radius - 1);
    }
    painter.setPen(caption);
    const bool underline = style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this);
    const int flags = Qt::AlignCenter | Qt::TextSingleLine | (underline ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
    painter.drawText(look == Look::Sunken ? rect().translated(1, 1) : rect(), flags, text());
}

void FlatButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void FlatButton::enterEvent(QEnterEvent *event)
{
    update();
    QAbstractButton::enterEvent(event);
}

void FlatButton::leaveEvent(QEvent *event)
{
    update();
    QAbstractButton::leaveEvent(event);
}

// The focus ring shows only while the window is active. (A press ends with
// the activation too: the button loses the focus, and with it the press.)
void FlatButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange)
        update();
    QAbstractButton::changeEvent(event);
}
