#include "FileTimeSeams.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<bool> clamping = false;
std::atomic<int> renameError = 0;
std::atomic<int> linksToKill = 0;

// ext4's seconds: 32 signed bits and two more epoch bits.
constexpr std::time_t Ext4Earliest = -(std::time_t(1) << 31);
constexpr std::time_t Ext4Latest = (std::time_t(1) << 34) - (std::time_t(1) << 31) - 1;

} // namespace

LocalTimeZone::LocalTimeZone(const char *zone)
{
    if (const char *old = std::getenv("TZ"))
        old_ = old;
    ::setenv("TZ", zone, 1);
    ::tzset();
}

LocalTimeZone::~LocalTimeZone()
{
    if (old_)
        ::setenv("TZ", old_->c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

Ext4TimeRange::Ext4TimeRange()
{
    clamping = true;
}

Ext4TimeRange::~Ext4TimeRange()
{
    clamping = false;
}

// The seam: a test program that links this file calls this utimensat, not
// the C library's, from every object of its own, the program's libraries
// among them.
extern "C" int utimensat(int dirFd, const char *path, const struct timespec times[2], int flags) noexcept
{
    using Call = int (*)(int, const char *, const struct timespec *, int);
    static const auto real = reinterpret_cast<Call>(::dlsym(RTLD_NEXT, "utimensat"));
    if (!clamping || !times)
        return real(dirFd, path, times, flags);
    struct timespec clamped[2] = {times[0], times[1]};
    for (struct timespec &time : clamped) {
        if (time.tv_nsec != UTIME_NOW && time.tv_nsec != UTIME_OMIT && (time.tv_sec < Ext4Earliest || time.tv_sec > Ext4Latest))
            time = {std::clamp(time.tv_sec, Ext4Earliest, Ext4Latest), 0};
    }
    return real(dirFd, path, clamped, flags);
}

NoReplaceRefused::NoReplaceRefused(int error)
{
    renameError = error;
}

NoReplaceRefused::~NoReplaceRefused()
{
    renameError = 0;
}

void KillAfterLink(int count)
{
    linksToKill = count;
}

extern "C" int renameat2(int fromFd, const char *from, int toFd, const char *to, unsigned int flags) noexcept
{
    using Call = int (*)(int, const char *, int, const char *, unsigned int);
    static const auto real = reinterpret_cast<Call>(::dlsym(RTLD_NEXT, "renameat2"));
    if (renameError != 0) {
        errno = renameError;
        return -1;
    }
    return real(fromFd, from, toFd, to, flags);
}

extern "C" int link(const char *from, const char *to) noexcept
{
    using Call = int (*)(const char *, const char *);
    static const auto real = reinterpret_cast<Call>(::dlsym(RTLD_NEXT, "link"));
    const int result = real(from, to);
    if (result == 0 && linksToKill > 0 && --linksToKill == 0)
        ::raise(SIGKILL);
    return result;
}
