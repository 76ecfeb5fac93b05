#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// Sets one colour role of a control's palette (text of a label, background
// of a picture box, base of a text box).
void SetColour(QWidget *control, QPalette::ColorRole role, const QColor &colour);
