#pragma once

#include <optional>
#include <string>

// While alive, the process's local time zone is `zone` (TZ, then tzset).
class LocalTimeZone
{
public:
    explicit LocalTimeZone(const char *zone);
    ~LocalTimeZone();
    LocalTimeZone(const LocalTimeZone &) = delete;
    LocalTimeZone &operator=(const LocalTimeZone &) = delete;

private:
    std::optional<std::string> old_;
};

// While alive, utimensat in this process stores file times as ext4 does:
// a time outside 1901-12-13 20:45:52 to 2446-05-10 22:38:55 UTC is clamped
// to the nearer end, and the call succeeds. tmpfs and btrfs hold any time,
// so a test cannot rely on the folder it runs in to clamp.
class Ext4TimeRange
{
public:
    Ext4TimeRange();
    ~Ext4TimeRange();
    Ext4TimeRange(const Ext4TimeRange &) = delete;
    Ext4TimeRange &operator=(const Ext4TimeRange &) = delete;
};
