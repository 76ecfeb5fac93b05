#include "FileTimeSeams.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <atomic>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace seams {
std::atomic<bool> clamping = false, shortWrites = false, noTmpFile = false;
std::atomic<int> renameError = 0;
std::string fatFolder;
} // namespace seams

using namespace seams;

namespace {

std::atomic<int> linksToKill = 0;
std::atomic<int> writesToKill = 0;

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

// A program built with 64-bit offsets has the C library's headers rename
// these to their 64-bit twins, definitions and calls alike.
namespace {

mode_t ModeOf(int flags, va_list args)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? mode_t(va_arg(args, int)) : 0;
}

} // namespace

extern "C" ssize_t pwrite(int fd, const void *bytes, size_t size, off_t offset)
{
    using Call = ssize_t (*)(int, const void *, size_t, off_t);
    static const auto real = reinterpret_cast<Call>(::dlsym(RTLD_NEXT, sizeof(off_t) == 8 ? "pwrite64" : "pwrite"));
    if (writesToKill > 0 && --writesToKill == 0) {
        real(fd, bytes, size / 2, offset);
        ::raise(SIGKILL);
    }
    if (!shortWrites || size < 2)
        return real(fd, bytes, size, offset);
    const ssize_t written = real(fd, bytes, size / 2, offset);
    return written < 0 ? written : ssize_t(size);
}

extern "C" int openat(int dirFd, const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = ModeOf(flags, args);
    va_end(args);
    using Call = int (*)(int, const char *, int, ...);
    static const auto real = reinterpret_cast<Call>(::dlsym(RTLD_NEXT, sizeof(off_t) == 8 ? "openat64" : "openat"));
    if (noTmpFile && (flags & O_TMPFILE) == O_TMPFILE) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return real(dirFd, path, flags, mode);
}

void KillAfterWrites(int count)
{
    writesToKill = count;
}

extern "C" int statfs(const char *path, struct statfs *status) noexcept
{
    using Call = int (*)(const char *, struct statfs *);
    static const auto real = reinterpret_cast<Call>(::dlsym(RTLD_NEXT, "statfs"));
    const int result = real(path, status);
    if (result == 0 && !fatFolder.empty() && std::string_view(path).starts_with(fatFolder))
        status->f_type = 0x4d44;  // MSDOS_SUPER_MAGIC
    return result;
}
