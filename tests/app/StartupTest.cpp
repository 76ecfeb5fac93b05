#include "ShownWindow.h"
#include "TestFiles.h"
#include "tests/actions/ModalAnswer.h"

#include "app/CommandLine.h"
#include "app/HandOver.h"
#include "app/PathsToOpen.h"
#include "app/SingleInstance.h"
#include "app/Startup.h"
#include "app/WindowSettings.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

// A stand-in executable in the build tree keeps its settings beside it: the
// first start lists its own folder, a named folder is opened and remembered.
// The list has the focus, with the photo named selected.
TEST(Startup, ProgramFolderFirstThenTheNamedOneWhichClosingRemembers)
{
    QTemporaryDir program(QCoreApplication::applicationDirPath() + "/program-XXXXXX"), photos;
    const QString executable = WriteFile(program.filePath("fotlex"));
    WriteJpeg(program.filePath("beispiel.jpg"), 20, 10);
    WriteJpeg(photos.filePath("a.jpg"), 20, 10);
    WriteJpeg(photos.filePath("bild.jpg"), 20, 10);
    auto window = StartMainWindow(executable, {});
    EXPECT_EQ(Find<QLineEdit>(*window, "pathField").text(), program.path());
    EXPECT_EQ(Entries(ListOf(*window)), QStringList{"beispiel.jpg"});

    window = StartMainWindow(executable, {photos.filePath("bild.jpg")});
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    FileListBox &list = ListOf(*window);
    EXPECT_EQ(QApplication::focusWidget(), &list);
    EXPECT_EQ(list.currentName(), "bild.jpg");
    EXPECT_EQ(SelectedRows(list), QList<int>{1});
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(list.currentName(), "a.jpg");
    window->close();
    window = StartMainWindow(executable, {});
    EXPECT_EQ(Entries(ListOf(*window)), (QStringList{"a.jpg", "bild.jpg"}));
}

// An installed program never writes beside itself, even where it could.
TEST(Startup, AProgramOutsideTheBuildTreeKeepsItsSettingsInTheUsersFolder)
{
    QTemporaryDir elsewhere;
    const QString file = WindowSettings::ForProgram(WriteFile(elsewhere.filePath("fotlex"))).file();
    EXPECT_TRUE(file.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/fotlex/"))
        << file.toStdString();
}

// The paths of a start, sorted: the first folder, or the first photo's,
// opens; what cannot be followed is named.
TEST(Startup, PathsOpenTheFirstFolderAndNameWhatTheyCannotFollow)
{
    QTemporaryDir dir;
    const QString a = dir.filePath("a.jpg"), b = dir.filePath("b\"quoted\".JPG"), sub = dir.filePath("sub");
    WriteJpeg(a, 8, 8);
    WriteJpeg(b, 8, 8);
    QDir(dir.path()).mkdir("sub");
    const QString other = WriteFile(sub + "/c.png"), notes = WriteFile(dir.filePath("notes.txt"));
    const QString gone = dir.filePath("gone.jpg");
    const struct { QStringList paths; QString folder; QStringList wanted, missing, elsewhere, notPhotos; } cases[] = {
        {{a, b}, dir.path(), {"a.jpg", "b\"quoted\".JPG"}, {}, {}, {}},
        {{gone, notes, b, other, sub}, dir.path(), {"b\"quoted\".JPG"}, {gone}, {other, sub}, {notes}},
        {{sub, a}, sub, {}, {}, {a}, {}},
        {{gone}, {}, {}, {gone}, {}, {}},
    };
    for (const auto &c : cases) {
        const PathsToOpen sorted = SortPaths(c.paths);
        EXPECT_EQ(sorted.folder, c.folder) << c.paths.join(' ').toStdString();
        EXPECT_EQ(sorted.wanted, c.wanted);
        EXPECT_EQ(sorted.missing, c.missing);
        EXPECT_EQ(sorted.elsewhere, c.elsewhere);
        EXPECT_EQ(sorted.notPhotos, c.notPhotos);
        EXPECT_EQ(PathsNotFollowedText(sorted).isEmpty(), c.missing.isEmpty() && c.elsewhere.isEmpty());
    }
}

// Options are read before any window or display: --help and --version
// print and end, a wrong one ends with 2; paths stay apart, blanks and
// quotes included.
TEST(Startup, CommandLineNeedsNoDisplayAndKeepsPathsApart)
{
    const CommandLine line = ParseCommandLine({"fotlex", "a b.jpg", "/x/\"c\".jpg", "--", "-d.jpg"}, "/fotos");
    EXPECT_FALSE(line.exitStatus);
    EXPECT_EQ(line.paths, QStringList({"/fotos/a b.jpg", "/x/\"c\".jpg", "/fotos/-d.jpg"}));
    EXPECT_EQ(ParseCommandLine({"fotlex", "--bogus"}, "/").exitStatus, 2);

    for (const QString option : {"--help", "--version"}) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        program.setProcessEnvironment(environment);
        program.start(FOTLEX_EXE, {option});
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        EXPECT_TRUE(option == "--help" ? out.contains("--version") : out.startsWith("fotlex ")) << out.toStdString();
    }
}

// The real program started a second time hands its photos to the window
// holding the lock and ends; the window selects them, and names a path that
// does not exist.
TEST(Startup, SecondStartHandsItsPhotosToTheRunningWindow)
{
    QTemporaryDir runtime, shown, other;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    WriteJpeg(shown.filePath("a.jpg"), 8, 8);
    WriteJpeg(other.filePath("b.jpg"), 8, 8);
    WriteJpeg(other.filePath("Tag \"2\".jpg"), 8, 8);
    WriteJpeg(other.filePath("Tag 3.jpg"), 8, 8);
    const auto window = ShowMainWindow(shown.path());
    SingleInstance instance;
    ASSERT_TRUE(instance.TryAcquire());
    // What a crashed run leaves behind does not block the next one.
    WriteFile(SingleInstance::SocketPath(), "stale");
    HandOverServer server;
    QObject::connect(&server, &HandOverServer::pathsReceived, window.get(),
                     [&window](const QStringList &paths) { window->takeHandOver(paths); });
    ASSERT_TRUE(server.Listen(SingleInstance::SocketPath()));

    ModalAnswer answer;
    QProcess second;
    second.setWorkingDirectory(other.path());
    second.start(FOTLEX_EXE, {"Tag \"2\".jpg", other.filePath("Tag 3.jpg"), "gone.jpg"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(second.exitCode(), 0);
    FileListBox &list = ListOf(*window);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list.currentName() == "Tag \"2\".jpg"; }, 5000));
    EXPECT_EQ(SelectedRows(list), QList<int>({1, 2}));
    EXPECT_EQ(Find<QLineEdit>(*window, "pathField").text(), QDir(other.path()).canonicalPath());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answer.boxes.isEmpty(); }));
    EXPECT_TRUE(answer.boxes[0].text.contains(other.filePath("gone.jpg")));
    EXPECT_FALSE(HandOver(runtime.filePath("nobody.socket"), {other.path()}, 300));
}

// The path field takes a folder or a photo; what is not there is named.
TEST(Startup, PathFieldOpensAFolderOrAPhotosFolderWithThePhotoSelected)
{
    QTemporaryDir first, second;
    WriteJpeg(second.filePath("x.jpg"), 8, 8);
    WriteJpeg(second.filePath("y.jpg"), 8, 8);
    const auto window = ShowMainWindow(first.path());
    auto &field = Find<QLineEdit>(*window, "pathField");
    field.setText(second.filePath("y.jpg"));
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(field.text(), second.path());
    EXPECT_EQ(ListOf(*window).currentName(), "y.jpg");

    ModalAnswer answer;
    field.setText(second.filePath("z.jpg"));
    QTest::keyClick(&field, Qt::Key_Return);
    ASSERT_EQ(answer.boxes.size(), 1);
    EXPECT_TRUE(answer.boxes[0].text.contains(second.filePath("z.jpg")));
    EXPECT_EQ(Entries(ListOf(*window)), (QStringList{"x.jpg", "y.jpg"}));
}

// The remembered target folder is only a start for browsing: what is no
// folder by its full path (any more) is ignored.
TEST(Startup, ARememberedLibraryThatIsNoFolderIsIgnored)
{
    QTemporaryDir dir;
    const WindowSettings settings(dir.filePath("Fotlex.ini"), dir.path());
    const QString photo = WriteFile(dir.filePath("a.jpg"));
    const struct { QString stored, read; } cases[] = {
        {dir.path(), dir.path()}, {dir.filePath("weg"), ""}, {"bibliothek", ""}, {photo, ""}, {"\x01\xff", ""},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(settings.rememberLibrary(c.stored));
        EXPECT_EQ(settings.library(), c.read) << c.stored.toStdString();
    }
}
