#pragma once

#include <QString>

// What the EXIF summary needs of the window that shows it: label captions
// addressed by control name (and element index for control arrays) and the
// value of the freeze check box. The main window implements it.
class ExifSummaryView
{
public:
    virtual ~ExifSummaryView() = default;

    // index is the element of a control array, or -1 for a single control.
    virtual void setLabelCaption(const QString &name, int index, const QString &caption) = 0;
    // 0 unchecked, anything else frozen.
    virtual int freezeValue() const = 0;
};
