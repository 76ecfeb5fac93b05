#include "metadata/XmpSidecar.h"

#include "metadata/XmpTimes.h"
#include "services/RegularFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Beyond what any sidecar's capture time needs; a raw developer's settings
// and history can make the file large, and the times stand near its start.
constexpr qint64 kMaxSidecarBytes = 256 * 1024;

}

QStringList XmpSidecarNames(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    QStringList names;
    for (const QString &stem : {fileName, dot > 0 ? fileName.left(dot) : QString()}) {
        if (!stem.isEmpty())
            names << stem + QStringLiteral(".xmp") << stem + QStringLiteral(".XMP");
    }
    return names;
}

std::optional<CaptureTime> SidecarCaptureTime(const QString &path)
{
    const RegularFile file(path);
    if (file.fd() < 0)
        return std::nullopt;
    const std::optional<QByteArray> bytes = ReadAt(file.fd(), 0, kMaxSidecarBytes);
    return bytes ? CaptureTimeOfXmp(*bytes) : std::nullopt;
}

std::optional<CaptureTime> FindSidecarCaptureTime(const QString &photoPath)
{
    const QFileInfo photo(photoPath);
    for (const QString &name : XmpSidecarNames(photo.fileName())) {
        if (auto time = SidecarCaptureTime(photo.dir().filePath(name)))
            return time;
    }
    return std::nullopt;
}
