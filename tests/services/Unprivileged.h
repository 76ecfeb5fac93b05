#pragma once

#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs `check` in a child process without root's rights (as "nobody" when
// the tests run as root), so that file permissions apply as they do for a
// user. True when the child ran and `check` returned true.
inline bool RunUnprivileged(const std::function<bool()> &check)
{
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        constexpr uid_t Nobody = 65534;
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0))
            ::_exit(2);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
