#include "widgets/FlatButton.h"

#include "widgets/AccessKey.h"
#include "widgets/ButtonColours.h"
#include "widgets/ButtonPainter.h"
#include "widgets/NewButtonCaption.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Form layouts count 15 twips to the pixel: a new button is 1155 x 510 twips,
// and no side may be below 100 twips (6 whole pixels).
constexpr int TwipsPerPixel = 15;
constexpr QSize DefaultSize(1155 / TwipsPerPixel, 510 / TwipsPerPixel);
constexpr int MinimumSide = 100 / TwipsPerPixel;

QFont DesignFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

int MouseButtons(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
           | (buttons & Qt::MiddleButton ? 4 : 0);
}

int ShiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
           | (modifiers & Qt::AltModifier ? 4 : 0);
}

int KeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyEnter;
    case Qt::Key_Space:
        return KeySpace;
    case Qt::Key_Left:
        return KeyLeft;
    case Qt::Key_Up:
        return KeyUp;
    case Qt::Key_Right:
        return KeyRight;
    case Qt::Key_Down:
        return KeyDown;
    default:
        return 0;
    }
}

// Qt moves the focus away when the window is deactivated or a popup opens;
// those are not focus changes within the form.
bool WithinForm(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

} // namespace

FlatButton::FlatButton(QWidget *parent)
    : QWidget(parent)
    , machine_(*this)
    , hooks_(this)
{
    Create();
    if (objectName().isEmpty()) {
        QWidget *form = window();
        int number = 1;
        while (form->findChild<FlatButton *>(QStringLiteral("FlatButton%1").arg(number)))
            ++number;
        setObjectName(QStringLiteral("FlatButton%1").arg(number));
    }
    QStringList captions;
    if (QWidget *form = parentWidget() ? window() : nullptr) {
        for (const FlatButton *button : form->findChildren<FlatButton *>())
            captions.append(button->Caption());
    } else {
        captions.append(caption_);
    }
    setCaption(NewButtonCaption(captions, objectName()));
    setForeColor(Qt::black);
    setEnabled(true);
    setFocusRect(true);
    HookForm();
}

FlatButton::~FlatButton()
{
    hooks_.UnhookWindow(this);
    hooks_.UnhookWindow(parentHwnd_);
}

void FlatButton::Create()
{
    machine_.SetPaintLock(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    QWidget::setFont(DesignFont());
    resize(DefaultSize);
    setMinimumSize(MinimumSide, MinimumSide);
    hooks_.HookWindow(this);
    hooks_.HookMessage(this, WM_MOUSELEAVE, 1);
}

// The form is the button's top-level window; it can change when the button
// is created without a parent and put on a form later.
void FlatButton::HookForm()
{
    QWidget *form = parentWidget() ? window() : nullptr;
    if (form == parentHwnd_)
        return;
    hooks_.UnhookWindow(parentHwnd_);
    parentHwnd_ = form;
    if (!form)
        return;
    hooks_.HookWindow(form);
    hooks_.HookMessage(form, WM_ACTIVATE, 1);
}

void FlatButton::RegisterAccessKey()
{
    if (accessKeyId_ != 0)
        releaseShortcut(accessKeyId_);
    accessKeyId_ = 0;
    const QString key = AccessKeyOf(caption_);
    if (!key.isEmpty())
        accessKeyId_ = grabShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key.toUpper().at(0).unicode()))));
}

void FlatButton::setCaption(const QString &caption)
{
    caption_ = caption;
    RegisterAccessKey();
    Redraw();
}

void FlatButton::setEnabled(bool enabled)
{
    settingEnabled_ = true;
    QWidget::setEnabled(enabled);
    settingEnabled_ = false;
    machine_.SetEnabled(enabled);
}

void FlatButton::setForeColor(const QColor &colour)
{
    foreColor_ = colour;
    Redraw();
}

void FlatButton::setFocusRect(bool focusRect)
{
    machine_.SetFocusRect(focusRect);
}

void FlatButton::setDisplayAsDefault(bool displayAsDefault)
{
    machine_.AmbientChanged("DisplayAsDefault", displayAsDefault);
}

void FlatButton::HookProc(bool, bool &, qintptr &, QWidget *, quint32 &uMsg, quintptr &wParam, qintptr)
{
    if (uMsg == WM_ACTIVATE || uMsg == WM_NCACTIVATE)
        machine_.FormActivated(wParam != 0);
    else if (uMsg == WM_MOUSELEAVE)
        machine_.MouseLeft();
}

QSize FlatButton::sizeHint() const
{
    return DefaultSize;
}

QSize FlatButton::minimumSizeHint() const
{
    return QSize(MinimumSide, MinimumSide);
}

bool FlatButton::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Shortcut:
        machine_.AccessKeyPressed();
        return true;
    case QEvent::ParentChange:
        HookForm();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void FlatButton::paintEvent(QPaintEvent *)
{
    if (surface_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, surface_);
}

void FlatButton::resizeEvent(QResizeEvent *)
{
    Redraw();
}

void FlatButton::showEvent(QShowEvent *)
{
    HookForm();
}

void FlatButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        Redraw();
    } else if (event->type() == QEvent::EnabledChange && !settingEnabled_) {
        // QWidget::setEnabled called directly; a disabled form does not count.
        const bool own = !testAttribute(Qt::WA_ForceDisabled);
        if (own != machine_.Enabled())
            machine_.SetEnabled(own);
    }
    QWidget::changeEvent(event);
}

void FlatButton::mousePressEvent(QMouseEvent *event)
{
    machine_.MouseDown(MouseButtons(event->button()));
}

void FlatButton::mouseReleaseEvent(QMouseEvent *event)
{
    machine_.MouseUp(MouseButtons(event->button()));
}

void FlatButton::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    machine_.MouseMove(MouseButtons(event->buttons()), ShiftState(event->modifiers()), float(at.x()),
                       float(at.y()), float(width()), float(height()));
}

void FlatButton::mouseDoubleClickEvent(QMouseEvent *)
{
    machine_.DoubleClick();
}

void FlatButton::keyPressEvent(QKeyEvent *event)
{
    const int key = KeyCode(event->key());
    if (key == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    machine_.KeyPressed(key);
}

void FlatButton::keyReleaseEvent(QKeyEvent *event)
{
    // Qt repeats a held key as press and release pairs; only the last release is real.
    if (event->isAutoRepeat() || KeyCode(event->key()) != KeySpace) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    machine_.KeyReleased(KeySpace);
}

void FlatButton::focusInEvent(QFocusEvent *event)
{
    if (WithinForm(event))
        machine_.GotFocus();
    QWidget::focusInEvent(event);
}

void FlatButton::focusOutEvent(QFocusEvent *event)
{
    if (WithinForm(event))
        machine_.LostFocus();
    QWidget::focusOutEvent(event);
}

void FlatButton::DrawState(ButtonState s)
{
    const QSize size = this->size();
    // One buffer pixel per screen pixel, so that a scaled desktop shows the
    // button sharp rather than stretched.
    const qreal density = devicePixelRatioF();
    const QSize pixels = (QSizeF(size) * density).toSize();
    if (surface_.size() != pixels || surface_.devicePixelRatio() != density) {
        surface_ = QImage(pixels, QImage::Format_RGB32);
        surface_.setDevicePixelRatio(density);
    }
    ButtonLook look;
    look.Caption = caption_;
    look.Font = font();
    look.TextColour = machine_.Enabled() ? foreColor_.rgb() : DisabledTextColour;
    look.Background = palette().color(QPalette::Button).rgb();
    look.ShowFocusRect = machine_.HasFocus() && machine_.FocusRect();
    PaintButton(surface_, s, look);
    const QRegion shape = ButtonShape(size.width(), size.height());
    if (mask() != shape)
        setMask(shape);
    update();
}

void FlatButton::RaiseClick()
{
    emit Click();
}

void FlatButton::RaiseDblClick()
{
    emit DblClick();
}

void FlatButton::RaiseMouseMove(int button, int shift, float x, float y)
{
    emit MouseMove(button, shift, x, y);
}

void FlatButton::RaiseFormActivate(int &state)
{
    emit FormActivate(state);
}

void FlatButton::TrackLeave()
{
    hooks_.TrackLeave(this);
}

void FlatButton::SendTab(bool backwards)
{
    focusNextPrevChild(!backwards);
}

void FlatButton::DoEvents()
{
    QCoreApplication::processEvents();
}

#include "moc_FlatButton.cpp"
