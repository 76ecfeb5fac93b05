// The batch rename through the window against fotlex-cli on equal copies:
// N copies of a sample photo, each with its own capture time; the window's
// batch from the click on the rename button to the status line, with the
// list read again and the progress dialog as a user gets them, against
// `fotlex-cli rename FOLDER` (process start included). Each round on fresh
// copies; the fastest of the rounds counts, as the machine is shared.
//
// bench_window_rename [N] [ROUNDS]   (QT_QPA_PLATFORM=offscreen unless set)

#include "app/MainWindow.h"
#include "widgets/FileListBox.h"

#include "bench/BenchSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// The sample's DateTimeOriginal, written once in its EXIF block.
const QByteArray SampleTime = "2008:05:30 15:56:01";

void MakePhotos(const QString &folder, int count)
{
    QFile sample(QStringLiteral(FOTLEX_TESTDATA "/Canon_40D.jpg"));
    sample.open(QIODevice::ReadOnly);
    const QByteArray bytes = sample.readAll();
    const QDateTime start(QDate(2001, 1, 1), QTime(0, 0));
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        QByteArray photo = bytes;
        photo.replace(SampleTime, start.addSecs(61 * i).toString(QStringLiteral("yyyy:MM:dd HH:mm:ss")).toLatin1());
        QFile file(QStringLiteral("%1/IMG_%2.jpg").arg(folder).arg(i, 5, 10, QLatin1Char('0')));
        file.open(QIODevice::WriteOnly);
        file.write(photo);
    }
}

int Renamed(const QString &folder)
{
    return int(QDir(folder).entryList({QStringLiteral("20*.jpg")}, QDir::Files).size());
}

double CliSeconds(const QString &folder)
{
    QElapsedTimer clock;
    clock.start();
    QProcess cli;
    cli.setStandardOutputFile(QProcess::nullDevice());
    cli.start(QStringLiteral(FOTLEX_CLI), {QStringLiteral("rename"), folder});
    cli.waitForFinished(-1);
    return clock.nsecsElapsed() / 1e9;
}

double WindowSeconds(const QString &folder, const QString &settings)
{
    MainWindow window(WindowSettings(settings, folder));
    window.openPaths({folder});
    window.resize(1200, 800);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::printf("window not shown\n");
    auto &list = *window.findChild<FileListBox *>();
    list.selectAll();
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("renameButton")), Qt::LeftButton);
    const double seconds = clock.nsecsElapsed() / 1e9;
    if (window.findChild<QLabel *>(QStringLiteral("statusWord"))->text().isEmpty())
        std::printf("no status line\n");
    return seconds;
}

}

int main(int argc, char **argv)
{
    UseOffscreenUnlessSet();
    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/fotlex-bench-XXXXXX"));
    // The undo journals of the timed batches stay out of the user's folder.
    qputenv("XDG_STATE_HOME", work.filePath(QStringLiteral("state")).toUtf8());
    QApplication app(argc, argv);
    const int count = CountArgument(argc, argv, 2000);
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const QString master = work.filePath(QStringLiteral("master"));
    MakePhotos(master, count);

    double cli = 1e9, window = 1e9;
    for (int round = 0; round < rounds; ++round) {
        for (const bool throughWindow : {false, true}) {
            const QString folder = work.filePath(QStringLiteral("run"));
            QDir(folder).removeRecursively();
            QDir().mkpath(folder);
            for (const QString &name : QDir(master).entryList(QDir::Files))
                QFile::copy(master + u'/' + name, folder + u'/' + name);
            ::sync();
            const double seconds = throughWindow ? WindowSeconds(folder, work.filePath(QStringLiteral("Fotlex.ini")))
                                                 : CliSeconds(folder);
            if (Renamed(folder) != count)
                std::printf("%s renamed %d of %d\n", throughWindow ? "window" : "fotlex-cli", Renamed(folder), count);
            (throughWindow ? window : cli) = std::min(throughWindow ? window : cli, seconds);
        }
    }
    std::printf("%d photos, fastest of %d rounds\n", count, rounds);
    std::printf("%-34s %8.3f s\n", "fotlex-cli rename", cli);
    std::printf("%-34s %8.3f s\n", "window: click to status line", window);
    std::printf("window %.3f s, fotlex-cli %.3f s, ratio %.2f\n", window, cli, window / cli);
    return 0;
}
