#include "MainWindow.h"
#include "TestFiles.h"
#include "app/HandOver.h"
#include "app/OpenFolder.h"

#include <gtest/gtest.h>

TEST(HandOver, SecondStartSwitchesTheFolderAndSelectsThePhoto)
{
    QTemporaryDir shown, other, runtime;
    WriteJpeg(shown.filePath("a.jpg"), 8, 8);
    WriteJpeg(other.filePath("b.jpg"), 8, 8);
    WriteJpeg(other.filePath("c.jpg"), 8, 8);
    const auto form = ShowMainWindow(shown.path());

    // What a crashed run leaves behind does not block the next one.
    const QString socket = runtime.filePath("fotlex.socket");
    WriteFile(socket, "stale");
    HandOverServer server;
    QObject::connect(&server, &HandOverServer::pathReceived, form.get(),
                     [&form](const QString &path) { ShowHandedOver(*form, path); });
    ASSERT_TRUE(server.Listen(socket));

    ASSERT_TRUE(HandOver(socket, other.filePath("c.jpg")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->FileList()->FileName() == "c.jpg"; }, 5000));
    EXPECT_EQ(form->FileList()->Path(), QDir(other.path()).canonicalPath());
    EXPECT_EQ(form->txtPath()->text(), QDir(other.path()).canonicalPath());
    EXPECT_FALSE(HandOver(runtime.filePath("nobody.socket"), other.path(), 300));
}
