#pragma once

// The five looks of a FlatButton; the numbers are the ones its stored state
// and the colour table are indexed by.
enum ButtonState : int {
    StateDisabled = 0,
    StateNormal = 1,
    StateFocused = 2, // has the focus, or the form shows it as its default button
    StateHot = 3,     // the mouse is over it
    StatePressed = 4, // the left mouse button or Space holds it down
};

constexpr int ButtonStateCount = 5;
