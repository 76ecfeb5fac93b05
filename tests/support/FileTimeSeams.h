#pragma once

#include <QString>

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

// While alive, renameat2 in this process fails with `error` (EINVAL by
// default), as on a file system that cannot rename without replacing: the
// safe rename falls back to link and unlink.
class NoReplaceRefused
{
public:
    explicit NoReplaceRefused(int error = 22);
    ~NoReplaceRefused();
    NoReplaceRefused(const NoReplaceRefused &) = delete;
    NoReplaceRefused &operator=(const NoReplaceRefused &) = delete;
};

// While alive, pwrite in this process writes only the first half of what it
// is given and reports the whole as written: a disk that loses data
// silently, which only reading the copy back can find.
class ShortWrites
{
public:
    ShortWrites();
    ~ShortWrites();
    ShortWrites(const ShortWrites &) = delete;
    ShortWrites &operator=(const ShortWrites &) = delete;
};

// While alive, openat in this process refuses O_TMPFILE with EOPNOTSUPP, as
// FAT, exFAT and most FUSE file systems do.
class UnnamedFilesRefused
{
public:
    UnnamedFilesRefused();
    ~UnnamedFilesRefused();
    UnnamedFilesRefused(const UnnamedFilesRefused &) = delete;
    UnnamedFilesRefused &operator=(const UnnamedFilesRefused &) = delete;
};

// From now on, the process kills itself (SIGKILL) right after the `count`-th
// successful link(): the moment between the fallback's link and unlink.
// For a child process that is to die there.
void KillAfterLink(int count);

// The seams a test case asks for, alive together: renameat2 failing with
// `renameError` (none for 0), no O_TMPFILE, writes that lose half.
class DiskSeams
{
public:
    DiskSeams(int renameError, bool noUnnamedFiles, bool shortWrites)
    {
        if (renameError)
            rename_.emplace(renameError);
        if (noUnnamedFiles)
            unnamed_.emplace();
        if (shortWrites)
            writes_.emplace();
    }

private:
    std::optional<NoReplaceRefused> rename_;
    std::optional<UnnamedFilesRefused> unnamed_;
    std::optional<ShortWrites> writes_;
};

// From now on, the process kills itself (SIGKILL) right after the
// `count`-th pwrite(): a copy cut off half-way. For a child process.
void KillAfterWrites(int count);

// While alive, statfs in this process says FAT for every path below
// `folder`, so that a pattern is checked against what FAT refuses.
class FatFolder
{
public:
    explicit FatFolder(const QString &folder);
    ~FatFolder();
    FatFolder(const FatFolder &) = delete;
    FatFolder &operator=(const FatFolder &) = delete;
};
