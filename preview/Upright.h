#pragma once

#include <QImage>

// The image as the camera meant it to be seen: EXIF orientation 2 mirrors
// it, 3 turns it half round, 4 flips it, 5 mirrors it across the diagonal,
// 6 turns it a quarter clockwise, 7 mirrors it across the other diagonal,
// 8 turns it a quarter anticlockwise; 1 and unknown values leave it as it is.
QImage Upright(const QImage &stored, int orientation);
