#pragma once

#include "widgets/ButtonState.h"

#include <string_view>

// What the state machine asks of the button it drives. A test implements it
// to record the requests; FlatButton turns them into drawing, signals and
// focus moves.
class ButtonSurface
{
public:
    virtual ~ButtonSurface() = default;
    virtual void DrawState(ButtonState s) = 0;
    virtual void RaiseClick() = 0;
    virtual void RaiseDblClick() = 0;
    virtual void RaiseMouseMove(int button, int shift, float x, float y) = 0;
    // State is 1 when the form became active, 0 when it lost activation.
    virtual void RaiseFormActivate(int &state) = 0;
    // Asks for one notification when the pointer leaves the button.
    virtual void TrackLeave() = 0;
    // Moves the focus like the keystroke Tab, or Shift+Tab when backwards.
    virtual void SendTab(bool backwards) = 0;
    virtual void DoEvents() = 0;
};

// Key codes and mouse buttons as the input handlers receive them.
constexpr int KeyEnter = 13;
constexpr int KeySpace = 32;
constexpr int KeyLeft = 37;
constexpr int KeyUp = 38;
constexpr int KeyRight = 39;
constexpr int KeyDown = 40;
constexpr int LeftButton = 1;

// The rules by which mouse, keyboard, focus, activation and the container's
// "DisplayAsDefault" change the button's look and raise its events. Holds no
// window; every drawing goes through DrawButton to the surface.
class ButtonStateMachine
{
public:
    explicit ButtonStateMachine(ButtonSurface &surface);

    // Draws s and records it as the current state, unless PaintLock is set.
    void DrawButton(ButtonState s);
    void SetPaintLock(bool locked) { paintLock_ = locked; }
    void SetEnabled(bool enabled);
    void SetFocusRect(bool focusRect);

    // The form was activated (true) or deactivated.
    void FormActivated(bool active);
    // The pointer left the button after a leave notification was asked for.
    void MouseLeft();

    void MouseDown(int button);
    void MouseUp(int button);
    // x and y in pixels; width and height are the surface's size.
    void MouseMove(int button, int shift, float x, float y, float width, float height);
    void DoubleClick();
    void KeyPressed(int key);
    void KeyReleased(int key);
    void AccessKeyPressed();
    void GotFocus();
    void LostFocus();
    // The container reported a change of an ambient property; displayAsDefault
    // is its current "DisplayAsDefault", read whatever property changed.
    void AmbientChanged(std::string_view name, bool displayAsDefault);

    ButtonState CurrentState() const { return currentState_; }
    bool Enabled() const { return enabled_; }
    bool FocusRect() const { return focusRect_; }
    bool HasFocus() const { return hasFocus_; }

private:
    void Ensure(ButtonState s);

    ButtonSurface &surface_;
    int lastMouseButton_ = 0;
    bool paintLock_ = false;
    bool armed_ = false;
    bool hasFocus_ = false;
    bool isHot_ = false;
    bool formActive_ = false;
    bool spaceDown_ = false;
    bool leftDown_ = false;
    bool showDefault_ = false;
    bool enabled_ = false;
    bool focusRect_ = false;
    ButtonState currentState_ = StateDisabled;
};
