#pragma once

#include "metadata/CaptureTime.h"

#include <QString>
#include <QStringList>

#include <optional>

// An XMP sidecar file: what a raw developer or a phone writes beside a photo
// to hold its metadata, named after the photo ("IMG_1.CR2.xmp") or after its
// stem ("IMG_1.xmp"). Its time counts only for a photo without one of its own.

// The names a sidecar of `fileName` may have, the more specific first, each
// with ".xmp" and ".XMP".
QStringList XmpSidecarNames(const QString &fileName);

// The capture time of the sidecar at `path` (CaptureTimeOfXmp of its first
// 256 KiB); nothing when it is not a regular file or holds none.
std::optional<CaptureTime> SidecarCaptureTime(const QString &path);

// The first of the sidecars of the photo at `photoPath` that exists and
// holds a capture time.
std::optional<CaptureTime> FindSidecarCaptureTime(const QString &photoPath);
