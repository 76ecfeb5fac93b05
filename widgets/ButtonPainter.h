#pragma once

#include "widgets/ButtonState.h"

#include <QFont>
#include <QImage>
#include <QRegion>
#include <QString>

// Everything one drawing of the button needs besides the state.
struct ButtonLook
{
    QString Caption;
    QFont Font;
    QRgb TextColour = 0;
    QRgb Background = 0; // the platform's button-face colour the surface is cleared to
    bool ShowFocusRect = false;
};

// Draws state s over the whole image (its size is W x H). Lines run from their
// start up to, not including, their end; rectangles exclude right and bottom.
void PaintButton(QImage &surface, ButtonState s, const ButtonLook &look);

// Rows from rect.bottom (inclusive, exactly the bottom colour) up to rect.top
// (exactly the top colour). A rectangle of zero height is skipped; one of
// negative height draws nothing.
void DrawGradient(QImage &surface, int left, int top, int right, int bottom, QRgb topColour,
                  QRgb bottomColour);

// The window shape: the W x H rectangle without its four outermost corner pixels.
QRegion ButtonShape(int width, int height);
