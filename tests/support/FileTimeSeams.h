#pragma once

#include <QFile>
#include <QString>

#include <atomic>
#include <optional>
#include <string>
#include <utility>

// The state of the seams below, which stand in for calls of the C library.
namespace seams {
extern std::atomic<bool> clamping, shortWrites, noTmpFile;
extern std::atomic<int> renameError;
extern std::string fatFolder;  // read by any thread of a test, set while none copies
} // namespace seams

// While alive, `variable` holds `value`; then again what it held before.
template <typename Variable, typename Value>
class SeamSet
{
public:
    SeamSet(Variable &variable, Value value) : variable_(variable), before_(variable) { variable = std::move(value); }
    ~SeamSet() { variable_ = before_; }
    SeamSet(const SeamSet &) = delete;
    SeamSet &operator=(const SeamSet &) = delete;

private:
    Variable &variable_;
    Value before_;
};

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
struct Ext4TimeRange : SeamSet<std::atomic<bool>, bool>
{
    Ext4TimeRange() : SeamSet(seams::clamping, true) {}
};

// While alive, renameat2 in this process fails with `error` (EINVAL by
// default), as on a file system that cannot rename without replacing: the
// safe rename falls back to link and unlink.
struct NoReplaceRefused : SeamSet<std::atomic<int>, int>
{
    explicit NoReplaceRefused(int error = 22) : SeamSet(seams::renameError, error) {}
};

// While alive, pwrite in this process writes only the first half of what it
// is given and reports the whole as written: a disk that loses data
// silently, which only reading the copy back can find.
struct ShortWrites : SeamSet<std::atomic<bool>, bool>
{
    ShortWrites() : SeamSet(seams::shortWrites, true) {}
};

// While alive, openat in this process refuses O_TMPFILE with EOPNOTSUPP, as
// FAT, exFAT and most FUSE file systems do.
struct UnnamedFilesRefused : SeamSet<std::atomic<bool>, bool>
{
    UnnamedFilesRefused() : SeamSet(seams::noTmpFile, true) {}
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
struct FatFolder : SeamSet<std::string, std::string>
{
    explicit FatFolder(const QString &folder) : SeamSet(seams::fatFolder, QFile::encodeName(folder).toStdString()) {}
};
