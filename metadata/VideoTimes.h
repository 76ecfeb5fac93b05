#pragma once

#include "metadata/ExifBlock.h"
#include "metadata/IsoBoxes.h"

// A video's creation times from the children of its "moov" box: the movie
// header's (tag CreateDate) in UTC, as "YYYY-MM-DDTHH:MM:SSZ", and,
// after it, QuickTime's com.apple.quicktime.creationdate (tag CreationDate)
// as written, ISO 8601 with its offset, which the capture time prefers.
// Times that are unset or not well-formed are left out.
std::vector<ContainerValue> ReadVideoTimes(ByteSource &source, const std::vector<IsoBox> &moov);
