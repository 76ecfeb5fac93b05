// Copies every file of a folder into another with the verified copy (each
// synced, read back from the disk and compared) and prints the seconds.
//
// bench_copy FROM TO

#include "services/VerifiedCopy.h"

#include <QDir>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_copy FROM TO\n");
        return 2;
    }
    const QDir from(QString::fromLocal8Bit(argv[1]));
    const QDir to(QString::fromLocal8Bit(argv[2]));
    QElapsedTimer clock;
    clock.start();
    int failed = 0;
    for (const QString &name : from.entryList(QDir::Files, QDir::Name))
        failed += !VerifiedCopy(from.filePath(name), to.filePath(name)).ok();
    std::printf("%.3f\n", double(clock.nsecsElapsed()) / 1e9);
    return failed == 0 ? 0 : 1;
}
