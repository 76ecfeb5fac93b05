#include "cli/CliStreams.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool SameFile(int a, int b)
{
    struct stat first {};
    struct stat second {};
    return ::fstat(a, &first) == 0 && ::fstat(b, &second) == 0 && first.st_dev == second.st_dev
        && first.st_ino == second.st_ino;
}

} // namespace

CliStreams StandardStreams(QTextStream &out, QTextStream &err, int outFd, int errFd)
{
    return {out, err, !SameFile(outFd, errFd), ::isatty(errFd) == 1};
}
