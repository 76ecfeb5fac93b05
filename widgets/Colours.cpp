#include "widgets/Colours.h"

#include <QPalette>

#include <cmath>

namespace {

// Relative luminance: each channel taken out of its sRGB curve, then weighted.
double Luminance(const QColor &colour)
{
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

}

QColor Mix(const QColor &from, const QColor &to, qreal share)
{
    const auto channel = [share](float a, float b) { return a + (b - a) * float(share); };
    return QColor::fromRgbF(channel(from.redF(), to.redF()), channel(from.greenF(), to.greenF()),
                            channel(from.blueF(), to.blueF()));
}

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Readable(const QColor &wanted, const QColor &background, const QColor &text)
{
    constexpr int Steps = 20;
    for (int step = 0; step < Steps; ++step) {
        const QColor mixed = Mix(wanted, text, qreal(step) / Steps);
        if (ContrastRatio(mixed, background) >= ReadableContrast)
            return mixed;
    }
    return text;
}

bool IsDark(const QPalette &palette)
{
    return Luminance(palette.color(QPalette::Window)) < Luminance(palette.color(QPalette::WindowText));
}
