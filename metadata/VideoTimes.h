#pragma once

#include "metadata/ExifBlock.h"
#include "metadata/IsoBoxes.h"

// A video's creation times from the children of its "moov" box, as "YYYY:MM:DD HH:MM:SS" in
// local time: the movie header's (tag CreateDate) and, after it, QuickTime's
// com.apple.quicktime.creationdate (tag CreationDate), which the capture time
// prefers. Times that are unset or not well-formed are left out.
std::vector<ContainerValue> ReadVideoTimes(ByteSource &source, const std::vector<IsoBox> &moov);
