#include "ShownWindow.h"
#include "TestFiles.h"
#include "app/HandOver.h"
#include "app/OpenFolder.h"
#include "app/SingleInstance.h"
#include "app/Startup.h"

#include <QProcess>

#include <gtest/gtest.h>

// A stand-in executable in the build tree keeps its settings beside it: the
// first start lists its own folder, a named folder is opened and remembered.
TEST(Startup, ProgramFolderFirstThenTheNamedOneWhichClosingRemembers)
{
    QTemporaryDir program(QCoreApplication::applicationDirPath() + "/program-XXXXXX"), photos;
    const QString executable = WriteFile(program.filePath("fotlex"));
    WriteJpeg(program.filePath("beispiel.jpg"), 20, 10);
    WriteJpeg(photos.filePath("bild.jpg"), 20, 10);
    auto window = StartMainWindow(executable, {});
    EXPECT_EQ(window->pathField()->text(), program.path());
    EXPECT_EQ(Entries(*window->files()), QStringList{"beispiel.jpg"});
    StartMainWindow(executable, {photos.path()})->close();
    window = StartMainWindow(executable, {});
    EXPECT_EQ(Entries(*window->files()), QStringList{"bild.jpg"});
}

// The real program started a second time hands its photo, named in other
// letter case, to the window holding the lock and ends.
TEST(Startup, SecondStartHandsItsPhotoToTheRunningWindow)
{
    QTemporaryDir runtime, shown, other;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    WriteJpeg(shown.filePath("a.jpg"), 8, 8);
    WriteJpeg(other.filePath("b.jpg"), 8, 8);
    WriteJpeg(other.filePath("Tag 2.jpg"), 8, 8);
    const auto window = ShowMainWindow(shown.path());
    SingleInstance instance;
    ASSERT_TRUE(instance.TryAcquire());
    // What a crashed run leaves behind does not block the next one.
    WriteFile(SingleInstance::SocketPath(), "stale");
    HandOverServer server;
    QObject::connect(&server, &HandOverServer::pathReceived, window.get(),
                     [&window](const QString &path) { ShowHandedOver(*window, path); });
    ASSERT_TRUE(server.Listen(SingleInstance::SocketPath()));

    QProcess second;
    second.start(FOTLEX_EXE, {other.path() + "/TAG 2.JPG"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->files()->currentName() == "Tag 2.jpg"; }, 5000));
    EXPECT_EQ(window->pathField()->text(), QDir(other.path()).canonicalPath());
    EXPECT_FALSE(HandOver(runtime.filePath("nobody.socket"), other.path(), 300));
}
