#pragma once

#include <QFont>
#include <QLatin1String>
#include <QRect>
#include <QString>

// The forms are designed in twips, at the fixed 15 twips per pixel.
constexpr int TwipsPerPixel = 15;

QRect Twips(int left, int top, int width, int height);
QFont FormFont(const QString &family, double points, bool bold = false);

// Gives a control its design name (tests and wiring find it by that) and its place.
template <typename Control>
Control *Place(Control *control, const char *name, const QRect &place)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(place);
    return control;
}
