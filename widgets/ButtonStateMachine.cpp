#include "widgets/ButtonStateMachine.h"

ButtonStateMachine::ButtonStateMachine(ButtonSurface &surface)
    : surface_(surface)
{
}

void ButtonStateMachine::DrawButton(ButtonState s)
{
    if (paintLock_)
        return;
    currentState_ = s;
    // A drawing must not start another one while it runs.
    paintLock_ = true;
    surface_.DrawState(s);
    paintLock_ = false;
}

void ButtonStateMachine::Ensure(ButtonState s)
{
    if (currentState_ != s)
        DrawButton(s);
}

void ButtonStateMachine::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    paintLock_ = false;
    if (isHot_ && enabled_)
        DrawButton(StateHot);
    else if (showDefault_ && enabled)
        DrawButton(StateFocused);
    else
        Ensure(enabled ? StateNormal : StateDisabled);
}

void ButtonStateMachine::SetFocusRect(bool focusRect)
{
    focusRect_ = focusRect;
    if (hasFocus_)
        DrawButton(currentState_);
}

void ButtonStateMachine::FormActivated(bool active)
{
    int state;
    if (active) {
        formActive_ = true;
        state = 1;
        if (enabled_) {
            if (!isHot_) {
                if (hasFocus_ || showDefault_)
                    DrawButton(StateFocused);
            } else {
                Ensure(StateHot);
            }
        }
    } else {
        formActive_ = false;
        armed_ = false;
        leftDown_ = false;
        spaceDown_ = false;
        if (enabled_)
            Ensure(StateNormal);
        state = 0;
    }
    surface_.RaiseFormActivate(state);
}

void ButtonStateMachine::MouseLeft()
{
    isHot_ = false;
    if (spaceDown_ || currentState_ == StateDisabled)
        return;
    if (hasFocus_ || showDefault_) {
        if (currentState_ == StatePressed)
            DrawButton(armed_ ? StateFocused : StateNormal);
        else if (currentState_ != StateFocused && formActive_)
            DrawButton(StateFocused);
    } else {
        Ensure(StateNormal);
    }
}

void ButtonStateMachine::MouseDown(int button)
{
    lastMouseButton_ = button;
    if (button != LeftButton)
        return;
    hasFocus_ = true;
    armed_ = true;
    leftDown_ = true;
    Ensure(StatePressed);
}

void ButtonStateMachine::MouseUp(int button)
{
    if (button != LeftButton)
        return;
    bool click = false;
    if (formActive_) {
        if (isHot_)
            Ensure(StateHot);
        else if (hasFocus_)
            DrawButton(StateFocused);
        click = isHot_ && hasFocus_ && armed_;
    }
    armed_ = false;
    leftDown_ = false;
    // Last, because a Click handler may close the form and take the button with it.
    if (click)
        surface_.RaiseClick();
}

void ButtonStateMachine::MouseMove(int button, int shift, float x, float y, float width, float height)
{
    if (x >= 0 && x <= width && y >= 0 && y <= height) {
        isHot_ = true;
        surface_.TrackLeave();
    } else {
        isHot_ = false;
    }
    if (!formActive_ || spaceDown_)
        return;
    if (isHot_)
        Ensure(armed_ ? StatePressed : StateHot);
    else
        Ensure(hasFocus_ ? StateFocused : StateNormal);
    surface_.RaiseMouseMove(button, shift, x, y);
}

void ButtonStateMachine::DoubleClick()
{
    if (lastMouseButton_ != LeftButton)
        return;
    DrawButton(StatePressed);
    surface_.RaiseDblClick();
}

void ButtonStateMachine::KeyPressed(int key)
{
    switch (key) {
    case KeyEnter:
        surface_.RaiseClick();
        break;
    case KeySpace:
        if (!leftDown_) {
            spaceDown_ = true;
            armed_ = true;
            Ensure(StatePressed);
        }
        break;
    case KeyLeft:
    case KeyUp:
        surface_.SendTab(true);
        break;
    case KeyRight:
    case KeyDown:
        surface_.SendTab(false);
        break;
    default:
        break;
    }
}

void ButtonStateMachine::KeyReleased(int key)
{
    if (key != KeySpace || leftDown_)
        return;
    if (!isHot_)
        DrawButton(StateFocused);
    else
        Ensure(StateHot);
    const bool click = armed_;
    spaceDown_ = false;
    armed_ = false;
    if (click)
        surface_.RaiseClick();
}

void ButtonStateMachine::AccessKeyPressed()
{
    if (!enabled_)
        return;
    if (spaceDown_) {
        spaceDown_ = false;
        armed_ = false;
        if (!isHot_)
            DrawButton(StateFocused);
        else
            Ensure(StateHot);
        return;
    }
    surface_.DoEvents();
    surface_.RaiseClick();
}

void ButtonStateMachine::GotFocus()
{
    hasFocus_ = true;
    if (isHot_) {
        if (currentState_ != StateHot && currentState_ != StatePressed)
            DrawButton(StateHot);
    } else if (!armed_) {
        DrawButton(StateFocused);
    }
}

void ButtonStateMachine::LostFocus()
{
    hasFocus_ = false;
    armed_ = false;
    spaceDown_ = false;
    if (!enabled_)
        return;
    if (!formActive_)
        Ensure(StateNormal);
    else if (isHot_)
        Ensure(StateHot);
    else if (showDefault_)
        DrawButton(StateFocused);
    else
        Ensure(StateNormal);
}

void ButtonStateMachine::AmbientChanged(std::string_view name, bool displayAsDefault)
{
    showDefault_ = displayAsDefault;
    if (!enabled_ || isHot_ || name != "DisplayAsDefault")
        return;
    if (showDefault_)
        DrawButton(StateFocused);
    else
        Ensure(StateNormal);
}
