#include "ui/Stretch.h"

#include <cmath>

void Stretch::add(QWidget *control, Shares shares)
{
    entries_.push_back({control, control->geometry(), shares});
}

void Stretch::apply(QSize extra) const
{
    const auto part = [](int amount, double share) { return int(std::lround(amount * share)); };
    for (const Entry &e : entries_) {
        if (!e.control)
            continue;
        e.control->setGeometry(e.design.x() + part(extra.width(), e.shares.left),
                               e.design.y() + part(extra.height(), e.shares.top),
                               e.design.width() + part(extra.width(), e.shares.width),
                               e.design.height() + part(extra.height(), e.shares.height));
    }
}
