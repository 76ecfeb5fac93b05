#include "rename/StillOffsets.h"

#include "metadata/ExifReader.h"
#include "rename/FolderNames.h"
#include "rename/ShotFiles.h"
#include "services/ImageTypes.h"

#include <cstdlib>

namespace {

constexpr std::chrono::hours kWithin(24);

}

std::optional<int> StillOffsets::nearest(const QString &folder, std::chrono::sys_seconds instant)
{
    const std::lock_guard lock(mutex_);
    auto stills = byFolder_.find(folder);
    if (stills == byFolder_.end()) {
        // A folder that cannot be listed has no stills to ask.
        FileOpResult error;
        std::vector<Still> found;
        for (const QString &name : FolderEntries(folder, error)) {
            if (!IsImageFileName(name) || IsMovingPicture(name))
                continue;
            const std::optional<CaptureTime> time = ExifReader::ExifTimeOf(folder + name);
            if (time && time->offsetMinutes())
                found.push_back({time->instant(), *time->offsetMinutes()});
        }
        stills = byFolder_.insert(folder, std::move(found));
    }
    std::optional<int> offset;
    auto best = kWithin + std::chrono::seconds(1);
    for (const Still &still : stills.value()) {
        const auto distance = still.instant > instant ? still.instant - instant : instant - still.instant;
        if (distance < best) {
            best = distance;
            offset = still.offsetMinutes;
        }
    }
    return offset;
}
