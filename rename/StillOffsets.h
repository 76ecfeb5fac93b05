#pragma once

#include <QHash>
#include <QString>

#include <chrono>
#include <mutex>
#include <optional>
#include <vector>

// A video's movie header holds its time in UTC only, while a phone's photos
// carry the offset of the place they were taken (OffsetTimeOriginal). A
// video is named in the offset of the still of its own folder taken nearest
// to it, so that `rename DIR/clip.mp4` and `rename DIR` name it alike.
class StillOffsets
{
public:
    // The offset in minutes east of UTC of the still image of `folder` (as
    // the jobs name it) whose capture time with an offset lies nearest to
    // `instant`, within 24 hours; nullopt when there is none. A folder's
    // stills are read once, at its first question; safe on several threads.
    std::optional<int> nearest(const QString &folder, std::chrono::sys_seconds instant);

private:
    struct Still
    {
        std::chrono::sys_seconds instant;
        int offsetMinutes = 0;
    };

    std::mutex mutex_;
    QHash<QString, std::vector<Still>> byFolder_;
};
