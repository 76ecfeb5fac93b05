#include "widgets/ButtonColours.h"

const ButtonColours &InitColours()
{
    static const ButtonColours colours = {
        {qRgb(201, 199, 186), qRgb(0, 60, 116), qRgb(0, 60, 116), qRgb(0, 60, 116), qRgb(0, 60, 116)},
        {0, qRgb(255, 255, 255), qRgb(206, 231, 255), qRgb(255, 243, 206), 0},
        {0, qRgb(254, 254, 254), qRgb(189, 215, 247), qRgb(255, 219, 140), 0},
        {0, qRgb(226, 223, 214), qRgb(140, 174, 231), qRgb(255, 178, 49), 0},
        {0, qRgb(214, 208, 197), qRgb(107, 130, 239), qRgb(230, 150, 0), 0},
        {0, qRgb(252, 252, 251), qRgb(189, 211, 247), qRgb(225, 223, 156), 0},
        {0, qRgb(236, 235, 230), qRgb(140, 174, 231), qRgb(255, 182, 48), 0},
        {qRgb(245, 244, 234), 0, 0, 0, qRgb(231, 227, 222)},
        {qRgb(196, 177, 140), qRgb(33, 85, 132), qRgb(33, 85, 132), qRgb(33, 85, 132), qRgb(33, 85, 132)},
        {qRgb(206, 199, 189), qRgb(123, 150, 173), qRgb(123, 150, 173), qRgb(123, 150, 173), qRgb(123, 150, 173)},
        {qRgb(196, 177, 140), qRgb(82, 125, 165), qRgb(82, 125, 165), qRgb(82, 125, 165), qRgb(82, 125, 165)},
    };
    return colours;
}
