#pragma once

#include <QListWidget>

#include <functional>

class frmDirSelect;

// Clicks a FlatButton as a user does: the pointer moves onto it, then presses
// and releases. The move goes to the button itself, since the offscreen
// platform does not know which of two overlapping windows lies on top.
void click(QWidget *button);
// Clicks, or double-clicks, the list's entry of that text (the first one).
void clickItem(QListWidget &list, const QString &text);
void doubleClickItem(QListWidget &list, const QString &text);
// Runs `answer` once frmDirSelect is open as the active modal window.
void answerDirSelect(std::function<void(frmDirSelect &)> answer);
