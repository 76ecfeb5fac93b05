#include "preview/PreviewFit.h"

#include <algorithm>
#include <cmath>

bool TurnsByQuarter(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

QSize FitPreview(QSize stored, int orientation, QSize box)
{
    if (stored.isEmpty() || box.isEmpty())
        return {};
    const QSize upright = TurnsByQuarter(orientation) ? stored.transposed() : stored;
    const double scale = std::min(double(box.width()) / upright.width(), double(box.height()) / upright.height());
    const auto side = [&](int length, int limit) {
        return std::clamp(int(std::lround(length * scale)), 1, limit);
    };
    return {side(upright.width(), box.width()), side(upright.height(), box.height())};
}
