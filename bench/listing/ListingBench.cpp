// Time and peak memory to list a folder of 20,000 photos in the main
// window's file list, from reading the folder to the first paint.
//
// bench_listing [count]   (QT_QPA_PLATFORM=offscreen unless set)

#include "services/FolderListing.h"
#include "services/ImageTypes.h"
#include "widgets/FileListBox.h"

#include "bench/BenchSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

long PeakKb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Camera names in two cases, plus one side file in ten that the pattern skips.
void MakeFolder(const QString &folder, int count)
{
    for (int i = 0; i < count; ++i) {
        const QString name = i % 10 == 9 ? QStringLiteral("IMG_%1.xmp").arg(i)
                             : i % 2     ? QStringLiteral("IMG_%1.JPG").arg(i)
                                         : QStringLiteral("dsc_%1.jpg").arg(i);
        const int fd = ::open(QFile::encodeName(folder + QLatin1Char('/') + name).constData(),
                              O_CREAT | O_WRONLY, 0644);
        if (fd >= 0)
            ::close(fd);
    }
}

}

int main(int argc, char **argv)
{
    UseOffscreenUnlessSet();
    QApplication app(argc, argv);
    const int count = CountArgument(argc, argv, 20000);

    QTemporaryDir dir;
    MakeFolder(dir.path(), count);
    FileListBox list;
    list.setPattern(ImagePattern());
    list.resize(257, 344);
    list.show();
    QApplication::processEvents();
    const long before = PeakKb();

    QElapsedTimer timer;
    timer.start();
    const QStringList names = ListMatchingFiles(dir.path(), ImagePattern());
    const double readMs = timer.nsecsElapsed() / 1e6;

    timer.restart();
    list.setFolder(dir.path());
    const double listMs = timer.nsecsElapsed() / 1e6;
    list.repaint();
    const double paintMs = timer.nsecsElapsed() / 1e6;

    timer.restart();
    list.setCurrentRow(list.entryCount() - 1);
    list.repaint();
    const double lastMs = timer.nsecsElapsed() / 1e6;

    std::printf("%d files, %lld listed (warm cache)\n", count, static_cast<long long>(names.size()));
    std::printf("%-44s %8.1f ms\n", "read and sort the folder (ListMatchingFiles)", readMs);
    std::printf("%-44s %8.1f ms\n", "FileListBox::setPath", listMs);
    std::printf("%-44s %8.1f ms\n", "setPath to first paint", paintMs);
    std::printf("%-44s %8.1f ms\n", "jump to the last entry and paint", lastMs);
    std::printf("%-44s %8ld KiB (peak %ld KiB)\n", "peak memory added by the listing",
                PeakKb() - before, PeakKb());
    return 0;
}
