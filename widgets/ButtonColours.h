#pragma once

#include "widgets/ButtonState.h"

#include <QRgb>

// One colour per drawing state for every role of the button's drawing. Roles a
// state never draws hold 0.
struct ButtonColours
{
    QRgb EdgeColour[ButtonStateCount];
    QRgb TopRow1Colour[ButtonStateCount];
    QRgb TopRow2Colour[ButtonStateCount];
    QRgb BottomRow1Colour[ButtonStateCount];
    QRgb BottomRow2Colour[ButtonStateCount];
    QRgb RingTopColour[ButtonStateCount];
    QRgb RingBottomColour[ButtonStateCount];
    QRgb FaceColour[ButtonStateCount]; // the flat face of states 0 and 4
    QRgb CornerOuterColour[ButtonStateCount];
    QRgb CornerMiddleColour[ButtonStateCount];
    QRgb CornerInnerColour[ButtonStateCount];
};

const ButtonColours &InitColours();

// The centre of the face of states 1 to 3, whatever the state.
constexpr QRgb FaceGradientTop = qRgb(252, 252, 251);
constexpr QRgb FaceGradientBottom = qRgb(236, 235, 230);
constexpr QRgb DisabledTextColour = qRgb(161, 161, 146);
