// Time from a selection change in the main window's list to the preview
// painted, for a 6000 x 4000 JPEG, against a full decode of the same file and
// against libjpeg-turbo's own 1/8-scale decode (djpeg), the floor for any
// preview that goes through libjpeg.
//
// bench_preview [runs]   (QT_QPA_PLATFORM=offscreen unless set)

#include "app/Form1.h"
#include "ui/Thumbnail.h"
#include "widgets/FileListBox.h"

#include "bench/BenchSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QLabel>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// A real photo blown up to 6000 x 4000 with grain added, so that the file
// carries about as much detail per pixel as a camera's.
QString MakeBigJpeg(const QString &path)
{
    QImage image = QImage(QStringLiteral(FOTLEX_TESTDATA "/Canon_40D.jpg"))
                       .scaled(6000, 4000, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
    QRandomGenerator random(1);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = static_cast<int>(random.bounded(33)) - 16;
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + grain, 0, 255), std::clamp(qGreen(p) + grain, 0, 255),
                           std::clamp(qBlue(p) + grain, 0, 255));
        }
    }
    image.save(path, "JPEG", 92);
    return path;
}

double MedianMs(int runs, const std::function<void()> &before, const std::function<void()> &step)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        before();
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Report(const char *what, double ms)
{
    std::printf("%-52s %9.1f ms\n", what, ms);
}

}

int main(int argc, char **argv)
{
    UseOffscreenUnlessSet();
    QApplication app(argc, argv);
    const int runs = CountArgument(argc, argv, 9);

    QTemporaryDir dir;
    const QString big = MakeBigJpeg(dir.filePath(QStringLiteral("big.jpg")));
    QImage(8, 8, QImage::Format_RGB32).save(dir.filePath(QStringLiteral("small.jpg")));
    std::printf("6000 x 4000 JPEG, %lld bytes, median of %d runs\n",
                static_cast<long long>(QFileInfo(big).size()), runs);

    Form1 form;
    form.FileList()->setPath(dir.path());
    form.show();
    QApplication::processEvents();
    const int bigRow = form.FileList()->List(0) == QStringLiteral("big.jpg") ? 0 : 1;
    Report("selection change to preview painted (window)",
           MedianMs(
               runs,
               [&] {
                   form.FileList()->setListIndex(1 - bigRow);
                   QApplication::processEvents();
               },
               [&] {
                   form.FileList()->setListIndex(bigRow);
                   form.picPreview()->repaint();
               }));

    const int box = form.picPreview()->contentsRect().height();
    Report("LoadThumbnail alone (scaled decode)", MedianMs(runs, [] {}, [&] {
               LoadThumbnail(big, box);
           }));
    Report("full decode (QImageReader, 6000 x 4000)", MedianMs(runs, [] {}, [&] {
               QImageReader(big).read();
           }));

    const QString djpeg = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    if (djpeg.isEmpty()) {
        std::printf("djpeg not found (Debian package libjpeg-turbo-progs)\n");
        return 0;
    }
    const auto run = [&](const QStringList &arguments) {
        QProcess process;
        process.start(djpeg, arguments);
        process.waitForFinished(-1);
    };
    const double start = MedianMs(runs, [] {}, [&] {
        run({QStringLiteral("-outfile"), QStringLiteral("/dev/null"), dir.filePath("small.jpg")});
    });
    const double eighth = MedianMs(runs, [] {}, [&] {
        run({QStringLiteral("-scale"), QStringLiteral("1/8"), QStringLiteral("-outfile"),
             QStringLiteral("/dev/null"), big});
    });
    Report("djpeg -scale 1/8, process start subtracted", eighth - start);
    Report("  (djpeg process start, 8 x 8 file)", start);
    return 0;
}
