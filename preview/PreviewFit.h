#pragma once

#include <QSize>

// EXIF orientations 5 to 8 turn the stored image by a quarter.
bool TurnsByQuarter(int orientation);

// The size of the whole photo, shown upright, fitted into the box with its
// proportions kept (enlarged when smaller), each side at least one pixel.
// The photo is `stored` pixels as its file holds it; the result is upright.
QSize FitPreview(QSize stored, int orientation, QSize box);
