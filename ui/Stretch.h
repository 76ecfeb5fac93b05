#pragma once

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <vector>

// Moves and grows the controls of a form designed at a fixed size. At the
// design size every control keeps its design place; each control takes its
// shares (0 to 1) of the width and height the form has beyond that.
class Stretch
{
public:
    struct Shares
    {
        double left = 0, top = 0, width = 0, height = 0;
    };

    // Records the control's present place as its design place.
    void add(QWidget *control, Shares shares);
    void apply(QSize extra) const;

private:
    struct Entry
    {
        QPointer<QWidget> control;
        QRect design;
        Shares shares;
    };
    std::vector<Entry> entries_;
};
