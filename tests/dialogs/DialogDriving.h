#pragma once

#include <functional>

class QWidget;
class frmDirSelect;

// Clicks a FlatButton as a user does: the pointer moves onto it, then presses
// and releases. The move goes to the button itself, since the offscreen
// platform does not know which of two overlapping windows lies on top.
void click(QWidget *button);
// Runs `answer` once frmDirSelect is open as the active modal window.
void answerDirSelect(std::function<void(frmDirSelect &)> answer);
