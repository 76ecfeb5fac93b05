#include "app/SingleInstance.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtCore/qtestsupport_core.h>

#include <gtest/gtest.h>

namespace {

struct SingleInstanceTest : ::testing::Test
{
    QTemporaryDir runtime;
    QTemporaryDir photos;

    QString lockPath() const
    {
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        return SingleInstance::LockPath();
    }

    // The real program, on the offscreen platform, with its lock in our folder.
    std::unique_ptr<QProcess> startProgram()
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process->setProcessEnvironment(env);
        process->start(QStringLiteral(FOTLEX_EXE), {photos.path()});
        EXPECT_TRUE(process->waitForStarted(10000));
        return process;
    }

    static bool waitForLock(const QString &path)
    {
        return QTest::qWaitFor([&] { return QFile::exists(path); }, 10000);
    }
};

}

TEST_F(SingleInstanceTest, LockNamesUserAndDisplayAndHasOneHolder)
{
    qputenv("DISPLAY", ":7");
    const QString path = lockPath();
    EXPECT_TRUE(path.startsWith(runtime.path() + QLatin1Char('/')));
    EXPECT_TRUE(path.contains(QStringLiteral("_7"))) << path.toStdString();

    auto first = std::make_unique<SingleInstance>();
    SingleInstance second;
    EXPECT_TRUE(first->TryAcquire(path));
    EXPECT_FALSE(second.TryAcquire(path));
    first.reset();
    EXPECT_TRUE(second.TryAcquire(path));
}

TEST_F(SingleInstanceTest, SecondProgramEndsAtOnceAndACrashedOnesLockDoesNotBlock)
{
    const QString path = lockPath();
    auto first = startProgram();
    ASSERT_TRUE(waitForLock(path));

    auto second = startProgram();
    EXPECT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);

    first->kill();
    first->waitForFinished();
    ASSERT_TRUE(QFile::exists(path));
    auto next = startProgram();
    EXPECT_FALSE(next->waitForFinished(1500));
    EXPECT_EQ(next->state(), QProcess::Running);
    // It took over the crashed one's socket too: a further start hands over and ends.
    auto further = startProgram();
    EXPECT_TRUE(further->waitForFinished(10000));
    EXPECT_EQ(further->exitCode(), 0);
    next->kill();
    next->waitForFinished();

    SingleInstance inProcess;
    EXPECT_TRUE(inProcess.TryAcquire(path));
}
