#pragma once

#include <QString>

// Program-wide EXIF times in the form "YYYY:MM:DD - HH:MM:SS", empty at start.
// FrozenExifTime follows every file shown while the freeze box is unchecked;
// CurrentExifTime holds the time of the file the batch rename just parsed.
extern QString FrozenExifTime;
extern QString CurrentExifTime;
