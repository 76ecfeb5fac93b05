// The preview of a camera's 6000 x 4000 JPEG: time from a selection change in
// the main window's list to the preview painted, through the embedded EXIF
// thumbnail and through the reduced-size decode of a copy without one,
// against libjpeg-turbo's own 1/8-scale decode (djpeg), the floor for any
// preview that goes through libjpeg. Then the down-arrow held (25 steps a
// second) through 200 such photos: the longest the event loop was blocked,
// and how many steps showed their preview within 16 ms.
//
// bench_preview [runs]   (QT_QPA_PLATFORM=offscreen unless set)

#include "app/MainWindow.h"
#include "preview/PreviewLoader.h"
#include "widgets/FileListBox.h"
#include "widgets/PreviewView.h"

#include "bench/BenchSupport.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kPhotos = 200;
constexpr int kStepMs = 40;
constexpr double kFrameMs = 16;

// A real photo blown up to 6000 x 4000 with grain added, so that the file
// carries about as much detail per pixel as a camera's.
QImage BigImage()
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
    return image;
}

QByteArray JpegBytes(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "JPEG", quality);
    return bytes;
}

QByteArray Le(uint32_t value, int size)
{
    QByteArray bytes;
    for (int k = 0; k < size; ++k)
        bytes += char((value >> (8 * k)) & 0xFF);
    return bytes;
}

// What a camera writes: right after SOI an APP1 "Exif" segment whose IFD0
// holds the orientation and whose IFD1 a 160 x 107 JPEG thumbnail.
QByteArray CameraJpeg(const QByteArray &photo, const QImage &image)
{
    const QByteArray thumbnail = JpegBytes(image.scaled(160, 107, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), 85);
    const auto entry = [](uint16_t id, uint16_t type, uint32_t value) {
        return Le(id, 2) + Le(type, 2) + Le(1, 4) + Le(value, 4);
    };
    // Header (8), IFD0 of one entry (18), IFD1 of three (42), the thumbnail.
    const QByteArray tiff = "II" + Le(42, 2) + Le(8, 4) + Le(1, 2) + entry(0x112, 3, 1) + Le(26, 4) + Le(3, 2)
                            + entry(0x103, 3, 6) + entry(0x201, 4, 68) + entry(0x202, 4, thumbnail.size())
                            + Le(0, 4) + thumbnail;
    const QByteArray app1 = QByteArray("Exif\0\0", 6) + tiff;
    const int length = app1.size() + 2;
    return QByteArray("\xFF\xD8\xFF\xE1", 4) + char(length >> 8) + char(length & 0xFF) + app1 + photo.mid(2);
}

void Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double MedianMs(int runs, const std::function<void()> &step)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return Median(times);
}

void Report(const char *what, double ms)
{
    std::printf("%-56s %9.1f ms\n", what, ms);
}

FileListBox &List(MainWindow &window)
{
    return *window.findChild<FileListBox *>();
}

PreviewView &Preview(MainWindow &window)
{
    return *window.findChild<PreviewView *>();
}

// The worker idle and every result handed over.
void Settle(MainWindow &window)
{
    while (Preview(window).loader().busy())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

// Selection change to preview painted for rows first, first + stride, ...:
// far enough apart that none was prepared ahead.
double SelectionToPainted(MainWindow &window, int first, int stride, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        Settle(window);
        QElapsedTimer timer;
        timer.start();
        List(window).setCurrentRow(first + i * stride);
        while (Preview(window).waiting())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        Preview(window).repaint();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return Median(times);
}

struct ArrowRun
{
    double longestBlockMs = 0;
    int quickSteps = 0;
};

// Down-arrow presses every 40 ms from row 0 through the photos, while a
// timer of 1 ms notes how long the event loop went without turning.
ArrowRun HoldDownArrow(MainWindow &window)
{
    List(window).setCurrentRow(0);
    Settle(window);
    List(window).setFocus();
    ArrowRun run;
    QElapsedTimer clock;
    clock.start();
    qint64 lastBeat = clock.nsecsElapsed();
    QTimer beat;
    beat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        run.longestBlockMs = std::max(run.longestBlockMs, (now - lastBeat) / 1e6 - 1);
        lastBeat = now;
    });
    qint64 pressed = 0;
    bool shown = true;
    QObject::connect(&Preview(window).loader(), &PreviewLoader::ready, [&] {
        if (!shown && (clock.nsecsElapsed() - pressed) / 1e6 <= kFrameMs)
            ++run.quickSteps;
        shown = true;
    });
    QTimer step;
    step.setTimerType(Qt::PreciseTimer);
    int steps = 0;
    QEventLoop loop;
    QObject::connect(&step, &QTimer::timeout, [&] {
        if (++steps >= kPhotos) {
            loop.quit();
            return;
        }
        pressed = clock.nsecsElapsed();
        shown = false;
        QTest::keyClick(&List(window), Qt::Key_Down);
    });
    beat.start(1);
    step.start(kStepMs);
    lastBeat = clock.nsecsElapsed();
    loop.exec();
    return run;
}

}

int main(int argc, char **argv)
{
    UseOffscreenUnlessSet();
    QApplication app(argc, argv);
    const int runs = CountArgument(argc, argv, 9);

    QTemporaryDir dir;
    const QImage image = BigImage();
    const QByteArray plain = JpegBytes(image, 92);
    const QByteArray camera = CameraJpeg(plain, image);
    const QString cameraPath = dir.filePath(QStringLiteral("a_000.jpg"));
    const QString plainPath = dir.filePath(QStringLiteral("b_000.jpg"));
    Write(cameraPath, camera);
    Write(plainPath, plain);
    // Every photo its own name, and so its own preview, on the same bytes.
    for (int i = 1; i < kPhotos; ++i) {
        const QString number = QStringLiteral("%1.jpg").arg(i, 3, 10, QLatin1Char('0'));
        if (::link(QFile::encodeName(cameraPath).constData(), QFile::encodeName(dir.filePath("a_" + number)).constData()) != 0
            || ::link(QFile::encodeName(plainPath).constData(), QFile::encodeName(dir.filePath("b_" + number)).constData()) != 0) {
            std::perror("link");
            return 1;
        }
    }
    QImage(8, 8, QImage::Format_RGB32).save(dir.filePath(QStringLiteral("small.jpg")));
    std::printf("6000 x 4000 JPEG with a 160 x 107 EXIF thumbnail, %lld bytes, median of %d runs\n",
                static_cast<long long>(camera.size()), runs);

    MainWindow window(WindowSettings(dir.filePath(QStringLiteral("Fotlex.ini")), dir.path()));
    List(window).setFolder(dir.path());
    window.show();
    QApplication::processEvents();
    const double embedded = SelectionToPainted(window, 10, 10, runs);
    Report("selection to preview painted, embedded thumbnail", embedded);
    const double reduced = SelectionToPainted(window, kPhotos + 10, 10, runs);
    Report("selection to preview painted, reduced-size decode", reduced);

    const ArrowRun arrow = HoldDownArrow(window);
    Report("down-arrow through 200 photos: longest block of the loop", arrow.longestBlockMs);
    std::printf("%-56s %6d of %d\n", "  steps whose preview was shown within 16 ms", arrow.quickSteps, kPhotos - 1);

    const QString djpeg = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    if (djpeg.isEmpty()) {
        std::printf("djpeg not found (Debian package libjpeg-turbo-progs)\n");
        return 1;
    }
    const auto run = [&](const QStringList &arguments) {
        QProcess process;
        process.start(djpeg, arguments);
        process.waitForFinished(-1);
    };
    const double start = MedianMs(runs, [&] {
        run({QStringLiteral("-outfile"), QStringLiteral("/dev/null"), dir.filePath("small.jpg")});
    });
    const double eighth = MedianMs(runs, [&] {
        run({QStringLiteral("-scale"), QStringLiteral("1/8"), QStringLiteral("-outfile"), QStringLiteral("/dev/null"),
             plainPath});
    });
    Report("djpeg -scale 1/8, process start subtracted", eighth - start);
    Report("  (djpeg process start, 8 x 8 file)", start);
    std::printf("preview embedded %.1f ms, reduced %.1f ms, floor %.1f ms\n", embedded, reduced, eighth - start);
    return 0;
}
