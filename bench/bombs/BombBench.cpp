// Times the reader on crafted 64 KiB EXIF blocks whose 5000 entries claim
// 65,000 values each, and reports each file's peak memory. Every file is read
// in a child process of its own, so that its peak is its own.
#include "metadata/ExifReader.h"
#include "tests/support/ExifBuilder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Bomb
{
    const char *what;
    uint16_t id, type;
};

// In the child: one full parse with its list (as `info` and the window do)
// and one capture-time read (as the rename does); prints both times.
void ReadIn(const QString &path)
{
    QElapsedTimer clock;
    clock.start();
    ExifReader reader;
    reader.setImageFile(path);
    const qsizetype characters = reader.ListInfo().size();
    const double listMs = clock.nsecsElapsed() / 1e6;
    clock.restart();
    (void)ExifReader::ExifTimeOf(path);
    std::printf("%8.2f ms %8.2f ms %9lld", listMs, clock.nsecsElapsed() / 1e6, qlonglong(characters));
    std::fflush(stdout);
}

}

int main()
{
    const Bomb bombs[] = {
        {"RATIONAL lists", 318, 5},
        {"ASCII texts", 270, 2},
        {"UNDEFINED blocks", 37510, 7},
        {"DateTimeOriginal typed RATIONAL", 36867, 5},
        {"DateTimeOriginal, 5000 times", 36867, 2},
    };
    QTemporaryDir dir;
    std::printf("%-34s %11s %11s %9s %8s\n", "file (64 KiB EXIF)", "info", "time only", "chars", "peak");
    for (const Bomb &bomb : bombs) {
        const QString path = dir.filePath(QStringLiteral("bomb.jpg"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(CostBombJpeg(bomb.id, bomb.type, 65000)) < 0)
            return 1;
        file.close();
        std::printf("%-34s ", bomb.what);
        std::fflush(stdout);
        const pid_t child = fork();
        if (child == 0) {
            ReadIn(path);
            _exit(0);
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        std::printf(" %5ld MB\n", usage.ru_maxrss / 1024);
    }
    return 0;
}
