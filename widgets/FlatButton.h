#pragma once

#include "widgets/ButtonStateMachine.h"
#include "widgets/MessageHook.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

// The self-drawn push button of the forms: a flat, rounded face with a blue
// ring for focus or default, an orange ring under the mouse, a darker face
// while pressed and a pale one with grey text while disabled. It raises Click
// from the mouse, Space, Enter and its access key (Alt + the "&" letter).
//
// It draws only when its state machine asks for it, into a back buffer that
// paint events merely show. It follows the activation of its form and the
// pointer leaving it through event filters (MessageHook).
class FlatButton : public QWidget, public HookClient, private ButtonSurface
{
    Q_OBJECT

public:
    // A new button: captioned "&OK", "&Cancel", "&Apply" or its object name,
    // whichever the form's buttons do not have yet.
    explicit FlatButton(QWidget *parent = nullptr);
    ~FlatButton() override;

    QString Caption() const { return caption_; }
    void setCaption(const QString &caption);
    // The button's own Enabled property; a disabled form leaves it unchanged.
    bool Enabled() const { return machine_.Enabled(); }
    void setEnabled(bool enabled);
    void setForeColor(const QColor &colour);
    bool FocusRect() const { return machine_.FocusRect(); }
    void setFocusRect(bool focusRect);
    // The form's ambient "DisplayAsDefault": the default-button look.
    void setDisplayAsDefault(bool displayAsDefault);
    const ButtonStateMachine &State() const { return machine_; }

    void HookProc(bool bBefore, bool &bHandled, qintptr &lReturn, QWidget *lng_hWnd, quint32 &uMsg,
                  quintptr &wParam, qintptr lParam) override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void Click();
    void DblClick();
    // Button: 1 left, 2 right, 4 middle held; Shift: 1 Shift, 2 Ctrl, 4 Alt; X, Y in pixels.
    void MouseMove(int Button, int Shift, float X, float Y);
    // State: 1 when the form became active, 0 when it lost activation.
    void FormActivate(int &State);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void Create();
    void HookForm();
    void RegisterAccessKey();
    void Redraw() { machine_.DrawButton(machine_.CurrentState()); }

    void DrawState(ButtonState s) override;
    void RaiseClick() override;
    void RaiseDblClick() override;
    void RaiseMouseMove(int button, int shift, float x, float y) override;
    void RaiseFormActivate(int &state) override;
    void TrackLeave() override;
    void SendTab(bool backwards) override;
    void DoEvents() override;

    ButtonStateMachine machine_;
    MessageHook hooks_;
    QPointer<QWidget> parentHwnd_;
    QImage surface_;
    QString caption_;
    QColor foreColor_ = Qt::black;
    bool settingEnabled_ = false;
    int accessKeyId_ = 0;
};
