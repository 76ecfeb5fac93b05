#include "app/SingleInstance.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtCore/qtestsupport_core.h>

#include <gtest/gtest.h>

// The real program, twice and more, with its lock in a folder of our own.
TEST(SingleInstance, SecondProgramEndsAtOnceAndACrashedOnesLockDoesNotBlock)
{
    QTemporaryDir runtime, photos;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    qputenv("DISPLAY", ":7");
    const QString path = SingleInstance::LockPath();
    EXPECT_TRUE(path.startsWith(runtime.path() + QLatin1Char('/')));
    EXPECT_TRUE(path.contains(QStringLiteral("_7"))) << path.toStdString();
    const auto start = [&] {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process->setProcessEnvironment(env);
        process->start(QStringLiteral(FOTLEX_EXE), {photos.path()});
        EXPECT_TRUE(process->waitForStarted(10000));
        return process;
    };

    auto first = start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path); }, 10000));
    auto second = start();
    EXPECT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);
    SingleInstance inProcess;
    EXPECT_FALSE(inProcess.TryAcquire(path));

    first->kill();
    first->waitForFinished();
    ASSERT_TRUE(QFile::exists(path));
    auto next = start();
    EXPECT_FALSE(next->waitForFinished(1500));
    // It took over the crashed one's socket too: a further start hands over and ends.
    auto further = start();
    EXPECT_TRUE(further->waitForFinished(10000));
    EXPECT_EQ(further->exitCode(), 0);
    next->kill();
    next->waitForFinished();
    EXPECT_TRUE(inProcess.TryAcquire(path));
}
