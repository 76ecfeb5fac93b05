#pragma once

#include <functional>

// Runs `check` in a child process without root's rights (as "nobody" when
// the tests run as root), so that file permissions apply as they do for a
// user. True when the child ran and `check` returned true.
bool RunUnprivileged(const std::function<bool()> &check);
