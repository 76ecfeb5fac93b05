#pragma once

#include <QColor>

class QPalette;

// `share` (0 to 1) of the way from `from` to `to`.
QColor Mix(const QColor &from, const QColor &to, qreal share);

// The contrast of two colours as WCAG 2 measures it: from 1 (the same) to
// 21 (black on white).
double ContrastRatio(const QColor &a, const QColor &b);

// What a text needs against its background to be read with ease.
constexpr double ReadableContrast = 4.5;

// `wanted` where it stands out 4.5:1 against `background`; else mixed
// towards `text`, the palette's own text colour, until it does. A navy
// label on a dark theme so turns light blue, a red one pink.
QColor Readable(const QColor &wanted, const QColor &background, const QColor &text);

// A dark theme: its window colour is darker than its window text.
bool IsDark(const QPalette &palette);
