#include "widgets/ButtonPainter.h"

#include "widgets/ButtonColours.h"

#include <QPainter>

#include <cmath>

namespace {

void SetPixel(QImage &surface, int x, int y, QRgb colour)
{
    if (x >= 0 && y >= 0 && x < surface.width() && y < surface.height())
        surface.setPixel(x, y, colour);
}

// A one-pixel line from (x0, y0) towards (x1, y1), end point excluded; only
// horizontal and vertical lines occur.
void Line(QImage &surface, int x0, int y0, int x1, int y1, QRgb colour)
{
    const int dx = (x1 > x0) - (x1 < x0);
    const int dy = (y1 > y0) - (y1 < y0);
    for (int x = x0, y = y0; x != x1 || y != y1; x += dx, y += dy)
        SetPixel(surface, x, y, colour);
}

void FillRect(QImage &surface, int left, int top, int right, int bottom, QRgb colour)
{
    for (int y = top; y < bottom; ++y)
        Line(surface, left, y, right, y, colour);
}

// The platform's focus rectangle: every other pixel of the outline inverted.
void DrawFocusRect(QImage &surface, int left, int top, int right, int bottom)
{
    auto invert = [&surface](int x, int y) {
        if ((x + y) % 2 != 0 || x < 0 || y < 0 || x >= surface.width() || y >= surface.height())
            return;
        surface.setPixel(x, y, surface.pixel(x, y) ^ 0x00FFFFFFu);
    };
    for (int x = left; x < right; ++x) {
        invert(x, top);
        if (bottom - 1 > top)
            invert(x, bottom - 1);
    }
    for (int y = top + 1; y < bottom - 1; ++y) {
        invert(left, y);
        if (right - 1 > left)
            invert(right - 1, y);
    }
}

void DrawCorners(QImage &surface, int w, int h, QRgb outer, QRgb middle, QRgb inner)
{
    const struct {
        int x, y;
        QRgb colour;
    } pixels[] = {
        {0, 1, middle},         {0, 2, outer},          {1, 0, middle},         {1, 1, inner},
        {2, 0, outer},          {w - 1, 1, middle},     {w - 1, 2, outer},      {w - 2, 0, middle},
        {w - 2, 1, inner},      {w - 3, 0, outer},      {0, h - 2, middle},     {0, h - 3, outer},
        {1, h - 1, middle},     {1, h - 2, inner},      {2, h - 1, outer},      {w - 1, h - 2, middle},
        {w - 1, h - 3, outer},  {w - 2, h - 1, middle}, {w - 2, h - 2, inner},  {w - 3, h - 1, outer},
    };
    for (const auto &p : pixels)
        SetPixel(surface, p.x, p.y, p.colour);
}

} // namespace

void DrawGradient(QImage &surface, int left, int top, int right, int bottom, QRgb topColour,
                  QRgb bottomColour)
{
    const int n = bottom - top;
    if (n == 0)
        return;
    // Single precision and round-half-to-even, so that every row matches the
    // colours the button has always had.
    const float stepR = float(qRed(topColour) - qRed(bottomColour)) / float(n);
    const float stepG = float(qGreen(topColour) - qGreen(bottomColour)) / float(n);
    const float stepB = float(qBlue(topColour) - qBlue(bottomColour)) / float(n);
    for (int i = 0; i <= n; ++i) {
        const auto channel = [i](int base, float step) {
            return int(std::nearbyint(float(base) + step * float(i)));
        };
        const QRgb colour = qRgb(channel(qRed(bottomColour), stepR), channel(qGreen(bottomColour), stepG),
                                 channel(qBlue(bottomColour), stepB));
        Line(surface, left, bottom - i, right, bottom - i, colour);
    }
}

void PaintButton(QImage &surface, ButtonState s, const ButtonLook &look)
{
    const ButtonColours &c = InitColours();
    const int w = surface.width();
    const int h = surface.height();
    surface.fill(look.Background);

    const QRgb edge = c.EdgeColour[s];
    Line(surface, 3, 0, w - 3, 0, edge);
    Line(surface, 0, 3, 0, h - 3, edge);
    Line(surface, 3, h - 1, w - 3, h - 1, edge);
    Line(surface, w - 1, 3, w - 1, h - 3, edge);

    if (s == StateNormal || s == StateFocused || s == StateHot) {
        // The outer gradient shows only as a two-pixel ring left and right of
        // the inner one (in the normal state both are nearly the same).
        DrawGradient(surface, 1, 3, w - 1, h - 2, c.RingTopColour[s], c.RingBottomColour[s]);
        DrawGradient(surface, 3, 3, w - 3, h - 3, FaceGradientTop, FaceGradientBottom);
        Line(surface, 1, 1, w, 1, c.TopRow1Colour[s]);
        Line(surface, 1, 2, w, 2, c.TopRow2Colour[s]);
        Line(surface, 1, h - 3, w, h - 3, c.BottomRow1Colour[s]);
        Line(surface, 2, h - 2, w - 1, h - 2, c.BottomRow2Colour[s]);
    } else {
        FillRect(surface, 1, 1, w - 1, h - 1, c.FaceColour[s]);
    }

    DrawCorners(surface, w, h, c.CornerOuterColour[s], c.CornerMiddleColour[s], c.CornerInnerColour[s]);

    // The lines above are in buffer pixels; the painter works in the
    // widget's units, which a scaled screen makes larger than a pixel.
    const qreal density = surface.devicePixelRatio();
    const QRectF textRect(3 / density, 3 / density, (w - 7) / density, (h - 7) / density);
    if (w > 7 && h > 7) {
        QPainter painter(&surface);
        painter.setFont(look.Font);
        painter.setPen(QColor::fromRgb(look.TextColour));
        painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, look.Caption);
    }
    if (look.ShowFocusRect && s > StateNormal)
        DrawFocusRect(surface, 3, 3, w - 3, h - 3);
}

QRegion ButtonShape(int width, int height)
{
    QRegion shape(0, 0, width, height);
    for (const QPoint corner : {QPoint(0, 0), QPoint(width - 1, 0), QPoint(0, height - 1),
                                QPoint(width - 1, height - 1)})
        shape -= QRegion(corner.x(), corner.y(), 1, 1);
    return shape;
}
