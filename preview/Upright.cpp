#include "preview/Upright.h"

#include <QTransform>

QImage Upright(const QImage &stored, int orientation)
{
    // The matrices map stored pixels to upright ones (m11, m12, m21, m22).
    static const QTransform turns[] = {
        {-1, 0, 0, 1, 0, 0}, {-1, 0, 0, -1, 0, 0}, {1, 0, 0, -1, 0, 0},  {0, 1, 1, 0, 0, 0},
        {0, 1, -1, 0, 0, 0}, {0, -1, -1, 0, 0, 0}, {0, -1, 1, 0, 0, 0},
    };
    if (orientation < 2 || orientation > 8)
        return stored;
    return stored.transformed(turns[orientation - 2]);
}
