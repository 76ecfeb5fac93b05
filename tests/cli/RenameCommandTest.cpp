#include "TestFiles.h"
#include "TestPhotos.h"

#include "cli/RenameCommand.h"
#include "cli/UndoCommand.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class RenameCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        dir = temp.path();
        WriteExifJpeg(dir + "/IMG_2.jpg", QByteArray("2016:08:28 02:25:10"), "2");
        WriteExifJpeg(dir + "/IMG_1.JPEG", QByteArray("2016:08:28 02:24:00"), "1");
        WriteExifJpeg(dir + "/ohne.jpg", std::nullopt, "ohne");
        QFile notes(dir + "/notes.txt");
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    }

    int run(const QStringList &arguments)
    {
        output.clear();
        errors.clear();
        QTextStream out(&output);
        QTextStream err(&errors);
        return RenameCommand(arguments, out, err, false);
    }

    int undo(const QStringList &arguments)
    {
        output.clear();
        errors.clear();
        QTextStream out(&output);
        QTextStream err(&errors);
        return RunUndo(arguments, out, err);
    }

    QStringList lines() const { return output.split('\n', Qt::SkipEmptyParts); }
    QStringList files() const { return QDir(dir).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir temp;
    QString dir, output, errors;
};

} // namespace

TEST_F(RenameCommandTest, FolderIsRenamedInListOrderAndADryRunSaysSoChangingNothing)
{
    const QStringList expected{dir + "/IMG_1.JPEG -> " + dir + "/2016-08-28 - 02-24-00.jpg",
                               dir + "/IMG_2.jpg -> " + dir + "/2016-08-28 - 02-25-10.jpg",
                               dir + "/ohne.jpg: übersprungen (keine EXIF-Zeit)"};
    const auto before = FolderContents(dir);
    EXPECT_EQ(run({"--dry-run", "--file-times", dir + "/"}), 0);
    EXPECT_EQ(lines(), expected + QStringList{"2 würden umbenannt, 1 übersprungen, 0 fehlgeschlagen"});
    EXPECT_EQ(FolderContents(dir), before);
    EXPECT_EQ(run({dir}), 0);
    EXPECT_EQ(lines(), expected + QStringList{"2 umbenannt, 1 übersprungen, 0 fehlgeschlagen"});
    EXPECT_EQ(files(), QStringList({"2016-08-28 - 02-24-00.jpg", "2016-08-28 - 02-25-10.jpg", "notes.txt", "ohne.jpg"}));
}

// Odd and hostile paths, each said for what it is: a FIFO is never opened,
// a name of Latin-1 bytes is not "unreadable", a missing folder fails, a line
// break in a name stays on its line, and a file named twice is handled once.
TEST_F(RenameCommandTest, OddPathsAreReportedForWhatTheyAre)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + "/rohr.jpg").constData(), 0644), 0);
    const QByteArray latin1 = QFile::encodeName(dir) + "/Urlaub \xe4.jpg";
    const int fd = ::open(latin1.constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);
    WriteExifJpeg(dir + "/zwei\nZeilen.jpg", QByteArray("2016:08:28 02:26:00"), "z");
    WriteExifJpeg(dir + "/kurz.jpg", QByteArray("2021:06:01"), "k");
    const QString missing = dir + "/gibt/es/nicht";
    EXPECT_EQ(run({"--dry-run", dir, dir + "/./", dir + "/IMG_2.jpg", dir + "/rohr.jpg", missing}), 1);
    EXPECT_EQ(lines(), QStringList({dir + "/IMG_1.JPEG -> " + dir + "/2016-08-28 - 02-24-00.jpg",
                                    dir + "/IMG_2.jpg -> " + dir + "/2016-08-28 - 02-25-10.jpg",
                                    dir + "/kurz.jpg: übersprungen (keine gültige EXIF-Zeit: \"2021:06:01\")",
                                    dir + "/ohne.jpg: übersprungen (keine EXIF-Zeit)",
                                    dir + "/zwei\\nZeilen.jpg -> " + dir + "/2016-08-28 - 02-26-00.jpg",
                                    dir + "/Urlaub \uFFFD.jpg: übersprungen (Dateiname ist kein gültiges UTF-8; "
                                          "bitte zuerst umbenennen)",
                                    dir + "/rohr.jpg: übersprungen (keine normale Datei)",
                                    missing + ": fehlgeschlagen (Datei oder Ordner nicht gefunden)",
                                    "3 würden umbenannt, 4 übersprungen, 1 fehlgeschlagen"}));
    // Qt could not remove the folder: it cannot name that file.
    ::unlink(latin1.constData());
}

TEST_F(RenameCommandTest, TimesTheFileSystemCannotHoldCountAsRenamedWithoutFileTime)
{
    WriteExifJpeg(dir + "/alt.jpg", QByteArray("1885:06:01 12:00:00"), "alt");
    const int status = run({"--file-times", dir + "/alt.jpg"});
    const QString renamed = dir + "/1885-06-01 - 12-00-00.jpg";
    ASSERT_TRUE(QFile::exists(renamed));
    // Whether the time is out of range depends on the file system under the test.
    const bool held = ModificationTime(renamed) == LocalMoment("1885:06:01 12:00:00");
    EXPECT_EQ(status, held ? 0 : 1);
    EXPECT_EQ(lines().last(), held ? "1 umbenannt, 0 übersprungen, 0 fehlgeschlagen"
                                   : "1 umbenannt, 0 übersprungen, 0 fehlgeschlagen, 1 ohne Dateizeit");
    EXPECT_EQ(lines().first().endsWith(" (Dateizeit nicht gesetzt: außerhalb des Bereichs des Dateisystems)"), !held);
}

TEST_F(RenameCommandTest, WrongUsageIsStatusTwoAndTouchesNothing)
{
    for (const QStringList &args : {QStringList{}, QStringList{"--dry-run"}, QStringList{"--bogus", dir},
                                    QStringList{"--freeze"}, QStringList{"--freeze", "0000:00:00 00:00:00", dir},
                                    QStringList{"--freeze", "2016:08:28", dir},
                                    QStringList{"--freeze", "2016:08:28T02:24:00", dir},
                                    QStringList{"--shift", "1:60", dir}, QStringList{"--shift"}}) {
        EXPECT_EQ(run(args), 2) << args.join(' ').toStdString();
        EXPECT_TRUE(output.isEmpty());
        EXPECT_TRUE(errors.contains("Aufruf: fotlex-cli rename"));
    }
    EXPECT_TRUE(files().contains("IMG_2.jpg"));
}

TEST_F(RenameCommandTest, UndoTakesBackTheNewestBatch)
{
    const auto before = FolderContents(dir);
    ASSERT_EQ(run({"--shift", "-1:00", dir}), 0);
    EXPECT_EQ(lines().first(), dir + "/IMG_1.JPEG -> " + dir + "/2016-08-28 - 01-24-00.jpg");
    ASSERT_EQ(undo({"--list"}), 0);
    EXPECT_TRUE(lines().last().endsWith(dir + "/  2 Dateien")) << output.toStdString();

    EXPECT_EQ(undo({}), 0);
    EXPECT_TRUE(lines().first().startsWith("Rückgängig: Umbenennung ")) << output.toStdString();
    EXPECT_EQ(lines().at(1), dir + "/2016-08-28 - 01-25-10.jpg -> " + dir + "/IMG_2.jpg");
    EXPECT_EQ(lines().last(), "2 zurückbenannt, 0 übersprungen, 0 fehlgeschlagen");
    EXPECT_EQ(FolderContents(dir), before);
    EXPECT_EQ(undo({"x"}), 2);
}

// --no-companions moves the photo alone: its sidecar keeps its name.
TEST_F(RenameCommandTest, WithoutCompanionsThePhotoMovesAlone)
{
    WriteFile(dir + "/IMG_2.xmp");
    ASSERT_EQ(run({"--no-companions", dir + "/IMG_2.jpg"}), 0);
    EXPECT_EQ(files(), QStringList({"2016-08-28 - 02-25-10.jpg", "IMG_1.JPEG", "IMG_2.xmp", "notes.txt", "ohne.jpg"}));
}
