// Times the reader on crafted 64 KiB EXIF blocks whose 5000 entries claim
// 65,000 values each, and on a HEIF whose 4 MiB item table holds 200,000
// tiny entries with the EXIF item last, and reports each file's peak memory.
// Every file is read in a child process of its own, so that its peak is its
// own. Goals: a block under 20 ms and 50 MB, the item table under 100 ms and
// 100 MB.
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

const auto bigEndian = BigEndian;
const auto box = IsoBoxBytes;

// ftyp, meta (pitm, iinf of `items` "infe" boxes of version 3, the last an
// "Exif" item, an iloc of version 2 locating only that one), mdat with its data.
QByteArray heifOfManyItems(uint32_t items)
{
    QByteArray iinf = bigEndian(0x01000000, 4) + bigEndian(items, 4);
    iinf.reserve(items * 23 + 8);
    for (uint32_t id = 1; id <= items; ++id)
        iinf += box("infe", bigEndian(0x03000000, 4) + bigEndian(id, 4) + bigEndian(0, 2) + (id == items ? "Exif" : "hvc1") + '\0');
    ExifBuilder exif(true);
    const QByteArray data = bigEndian(6, 4) + ExifMark(exif.ascii(ExifBuilder::Exif, 36867, "2021:05:12 12:21:21").tiff());
    const QByteArray ftyp = box("ftyp", QByteArray("heic") + bigEndian(0, 4) + "mif1heic");
    auto meta = [&](uint32_t at) {
        const QByteArray iloc = bigEndian(0x02000000, 4) + "\x44\x40" + bigEndian(1, 4) + bigEndian(items, 4)
                                + bigEndian(0, 4) + bigEndian(0, 4) + bigEndian(1, 2) + bigEndian(at, 4)
                                + bigEndian(data.size(), 4);
        return box("meta", bigEndian(0, 4) + box("pitm", bigEndian(0, 4) + bigEndian(1, 2)) + box("iinf", iinf)
                               + box("iloc", iloc));
    };
    const auto at = uint32_t(ftyp.size() + meta(0).size() + 8);
    return ftyp + meta(at) + box("mdat", data);
}

struct Bomb
{
    const char *what;
    QByteArray file;
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
    const bool found = ExifReader::ExifTimeOf(path).has_value();
    std::printf("%8.2f ms %8.2f ms %9lld%s", listMs, clock.nsecsElapsed() / 1e6, qlonglong(characters),
                found ? "" : " (no time!)");
    std::fflush(stdout);
}

}

int main()
{
    const Bomb bombs[] = {
        {"RATIONAL lists", CostBombJpeg(318, 5, 65000)},
        {"ASCII texts", CostBombJpeg(270, 2, 65000)},
        {"UNDEFINED blocks", CostBombJpeg(37510, 7, 65000)},
        {"DateTimeOriginal typed RATIONAL", CostBombJpeg(36867, 5, 65000)},
        {"DateTimeOriginal, 5000 times", CostBombJpeg(36867, 2, 65000)},
        {"HEIF, 4 MiB iinf, 182,000 items", heifOfManyItems(182000)},
    };
    QTemporaryDir dir;
    std::printf("%-34s %11s %11s %9s %8s\n", "file", "info", "time only", "chars", "peak");
    for (const Bomb &bomb : bombs) {
        const QString path = dir.filePath(QStringLiteral("bomb"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bomb.file) < 0)
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
