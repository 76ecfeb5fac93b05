#include "FileTimeSeams.h"
#include "TestFiles.h"
#include "TestPhotos.h"

#include "cli/CliDispatch.h"
#include "tests/support/ExifBuilder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
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
        shoot(temp.path());
        WriteFile(dir + "/notes.txt");
    }

    // Two photos of 2016 and one without a time in `folder`, made `dir`.
    void shoot(const QString &folder)
    {
        dir = folder;
        WriteExifJpeg(dir + "/IMG_2.jpg", QByteArray("2016:08:28 02:25:10"), "2");
        WriteExifJpeg(dir + "/IMG_1.JPEG", QByteArray("2016:08:28 02:24:00"), "1");
        WriteExifJpeg(dir + "/ohne.jpg", std::nullopt, "ohne");
    }

    // fotlex-cli rename ARGUMENTS, as with standard output and standard error in two files.
    int run(const QStringList &arguments) { return cli(QStringList{"rename"} + arguments); }
    int undo(const QStringList &arguments) { return cli(QStringList{"undo"} + arguments); }

    int cli(const QStringList &arguments, bool terminal = false)
    {
        output.clear();
        errors.clear();
        QTextStream out(&output);
        QTextStream err(&errors);
        return RunCli(arguments, {out, err, true, terminal});
    }

    QStringList lines() const { return output.split('\n', Qt::SkipEmptyParts); }

    QMap<QString, std::pair<QByteArray, qint64>> state() const { return FolderState(dir); }

    // Photos `name` with capture time `time` in the folder; their paths.
    QStringList photos(const std::vector<std::pair<const char *, const char *>> &shots)
    {
        QStringList paths;
        for (const auto &[name, time] : shots) {
            paths << dir + '/' + QString::fromUtf8(name);
            WriteExifJpeg(paths.last(), QByteArray(time), name);
        }
        return paths;
    }

    // No content of `before` lost or doubled by the batch; then undoing it
    // brings back every name, content and modification time.
    void undoneTo(const QMap<QString, std::pair<QByteArray, qint64>> &before)
    {
        QMap<QString, QByteArray> contents;
        for (auto it = before.begin(); it != before.end(); ++it)
            contents[it.key()] = it.value().first;
        EXPECT_TRUE(SameFilesRenamed(contents, FolderContents(dir)));
        EXPECT_EQ(undo({}), 0) << output.toStdString();
        EXPECT_EQ(state(), before);
    }
    QStringList files() const { return QDir(dir).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir temp;
    QString dir, output, errors;
};

} // namespace

// Odd and hostile paths, each said for what it is in list order: a FIFO is
// never opened, a name of Latin-1 bytes is not "unreadable", a missing folder
// fails, a line break in a name stays on its line, and a file named twice is
// handled once. A dry run changes nothing.
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
    const QStringList before = files();
    EXPECT_EQ(run({"--dry-run", "--file-times", dir, dir + "/./", dir + "/IMG_2.jpg", dir + "/rohr.jpg", missing}), 1);
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
    EXPECT_EQ(files(), before);
    // Qt could not remove the folder: it cannot name that file.
    ::unlink(latin1.constData());

    WriteFile(dir + "/IMG_2.xmp");
    EXPECT_EQ(run({"--dry-run", dir + "/IMG_2.jpg"}), 0);
    EXPECT_EQ(lines().size(), 3) << "IMG_2.xmp follows its photo";
    EXPECT_EQ(run({"--dry-run", "--no-companions", dir + "/IMG_2.jpg"}), 0);
    EXPECT_EQ(lines().size(), 2) << "and stays with --no-companions";
}

TEST_F(RenameCommandTest, WrongUsageIsStatusTwoAndTouchesNothing)
{
    for (const QStringList &args : {QStringList{}, QStringList{"--dry-run"}, QStringList{"--bogus", dir},
                                    QStringList{"--freeze"}, QStringList{"--freeze", "0000:00:00 00:00:00", dir},
                                    QStringList{"--freeze=2016:08:28", dir},
                                    QStringList{"--freeze", "2016:08:28T02:24:00", dir},
                                    QStringList{"--shift", "1:60", dir}, QStringList{"--shift"},
                                    QStringList{"--dry-run=ja", dir}, QStringList{"-qx", dir},
                                    QStringList{"--pattern", "%Y/%x", dir}, QStringList{"--pattern=../%n", dir},
                                    QStringList{"--pattern", "/%n", dir}, QStringList{"--copy", dir},
                                    QStringList{"--to", dir + "/fehlt", dir}, QStringList{"--to", dir + "/notes.txt", dir}}) {
        EXPECT_EQ(run(args), 2) << args.join(' ').toStdString();
        EXPECT_TRUE(output.isEmpty());
        EXPECT_TRUE(errors.contains("Aufruf: fotlex-cli rename")) << errors.toStdString();
    }
    EXPECT_TRUE(files().contains("IMG_2.jpg"));
}

// A lone "-" is a path, and so is every word after "--".
TEST_F(RenameCommandTest, TwoDashesEndTheOptions)
{
    const QString missing = ": fehlgeschlagen (Datei oder Ordner nicht gefunden)";
    EXPECT_EQ(run({"--dry-run", "-", "--", "--quiet", "-n"}), 1);
    EXPECT_EQ(lines(), QStringList({"-" + missing, "--quiet" + missing, "-n" + missing,
                                    "0 würden umbenannt, 0 übersprungen, 3 fehlgeschlagen"}));
}

// --quiet shows the failed lines and the last one, --verbose each file's
// capture time and its companions as such; of the two the last one given
// counts. A failed line goes to standard error as well.
TEST_F(RenameCommandTest, QuietShowsFailuresOnlyAndVerboseSaysMore)
{
    WriteFile(dir + "/IMG_2.xmp");
    const QString failed = dir + "/fehlt.jpg: fehlgeschlagen (Datei oder Ordner nicht gefunden)";
    const QString last = "3 würden umbenannt, 1 übersprungen, 1 fehlgeschlagen";
    EXPECT_EQ(run({"--dry-run", "--verbose", "--quiet", dir, dir + "/fehlt.jpg"}), 1);
    EXPECT_EQ(lines(), QStringList({failed, last}));
    EXPECT_EQ(errors, failed + '\n');
    EXPECT_EQ(run({"-qnv", dir, dir + "/fehlt.jpg"}), 1);
    EXPECT_EQ(lines(), QStringList({dir + "/IMG_1.JPEG -> " + dir + "/2016-08-28 - 02-24-00.jpg (Aufnahmezeit 2016-08-28 02:24:00)",
                                    dir + "/IMG_2.jpg -> " + dir + "/2016-08-28 - 02-25-10.jpg (Aufnahmezeit 2016-08-28 02:25:10)",
                                    dir + "/IMG_2.xmp -> " + dir + "/2016-08-28 - 02-25-10.xmp (Begleitdatei)",
                                    dir + "/ohne.jpg: übersprungen (keine EXIF-Zeit)", failed, last}));
    EXPECT_EQ(run({"--dry-run", "--freeze=2020:01:02 03:04:05", dir + "/IMG_1.JPEG"}), 0);
    EXPECT_EQ(lines().first(), dir + "/IMG_1.JPEG -> " + dir + "/2020-01-02 - 03-04-05a.jpg");
    const QString second = photos({{"IMG_3.jpg", "2016:08:28 02:24:00"}}).first();
    EXPECT_EQ(run({"--dry-run", "--burst", dir + "/IMG_1.JPEG", second}), 0);
    EXPECT_EQ(lines().mid(0, 2), QStringList({dir + "/IMG_1.JPEG -> " + dir + "/2016-08-28 - 02-24-00a.jpg",
                                              second + " -> " + dir + "/2016-08-28 - 02-24-00b.jpg"}));
}

// On a terminal a progress line shows from the first file on, and is wiped
// once, before the next line on standard error or at the end.
TEST_F(RenameCommandTest, AProgressLineOnATerminal)
{
    EXPECT_EQ(cli({"rename", "--dry-run", dir, dir + "/fehlt.jpg"}, true), 1);
    EXPECT_TRUE(errors.startsWith("\r\x1b[K1 von 4 Dateien\r\x1b[K")) << errors.toStdString();
    EXPECT_LT(errors.lastIndexOf("Dateien"), errors.lastIndexOf("\r\x1b[K"));
    EXPECT_EQ(errors.count("\r\x1b[K"), 2 * errors.count(" Dateien")) << "each drawn and wiped once";
    static const QRegularExpression progress(QStringLiteral("\r\x1b\\[K(\\d+ von 4 Dateien)?"));
    EXPECT_EQ(errors.remove(progress), dir + "/fehlt.jpg: fehlgeschlagen (Datei oder Ordner nicht gefunden)\n");
}

// Undo takes back the newest batch, or the one named by its number, which
// --verbose names first as well.
TEST_F(RenameCommandTest, UndoTakesBackTheNewestBatchOrTheOneNamed)
{
    const auto before = FolderContents(dir);
    ASSERT_EQ(run({"--shift", "-1:00", dir}), 0);
    EXPECT_EQ(lines().first(), dir + "/IMG_1.JPEG -> " + dir + "/2016-08-28 - 01-24-00.jpg");
    ASSERT_EQ(undo({"--list"}), 0);
    EXPECT_TRUE(lines().last().endsWith(dir + "/  2 Dateien")) << output.toStdString();
    const QString number = lines().last().section(' ', 0, 0, QString::SectionSkipEmpty);
    for (const QStringList &args : {QStringList{"x"}, QStringList{"0"}, QStringList{"-1"},
                                    QStringList{number, number}, QStringList{"--list", number}})
        EXPECT_EQ(undo(args), 2) << args.join(' ').toStdString();

    EXPECT_EQ(undo({"--verbose", number}), 0);
    EXPECT_TRUE(lines().first().startsWith("Rückgängig: Umbenennung " + number + " vom ")) << output.toStdString();
    EXPECT_EQ(lines().at(1), dir + "/2016-08-28 - 01-25-10.jpg -> " + dir + "/IMG_2.jpg");
    EXPECT_EQ(lines().last(), "2 zurückbenannt, 0 übersprungen, 0 fehlgeschlagen");
    EXPECT_EQ(FolderContents(dir), before);
}

// A camera's clock knows no summer time. A time in the hour skipped in spring
// names the file as written and gives it the instant mktime makes of it
// (02:30 is 03:30 summer time); one in the hour repeated in autumn the
// earlier instant. A clock offset reaches them as any other time, and undo
// knows the files by the instants the journal recorded, the epoch's too; a
// file already so named gets its time, and undo takes that back as well.
TEST_F(RenameCommandTest, TimesAroundTheSummerTimeChangesNameAsWrittenAndUndoRestoresThem)
{
    const LocalTimeZone berlin("Europe/Berlin");
    const struct { const char *name, *time, *newName, *shiftedName; qint64 utc; } cases[] = {
        {"gap.jpg", "2021:03:28 02:30:00", "2021-03-28 - 02-30-00.jpg", "2021-03-28 - 03-30-00.jpg", 1616895000},
        {"2021-10-31 - 02-30-00.jpg", "2021:10:31 02:30:00", "2021-10-31 - 02-30-00.jpg",
         "2021-10-31 - 03-30-00.jpg", 1635640200},
        {"epoch.jpg", "1970:01:01 01:00:00", "1970-01-01 - 01-00-00.jpg", "1970-01-01 - 02-00-00.jpg", 0},
    };
    QStringList paths, shifted, renamed;
    for (const auto &c : cases) {
        paths += photos({{c.name, c.time}});
        shifted << paths.last() + " -> " + dir + '/' + c.shiftedName;
        renamed << paths.last() + (QLatin1String(c.name) == QLatin1String(c.newName)
                                       ? ": übersprungen (trägt bereits diesen Namen)"
                                       : " -> " + dir + '/' + c.newName);
    }
    const auto before = state();
    EXPECT_EQ(run(QStringList{"--dry-run", "--shift=+1:00"} + paths), 0);
    EXPECT_EQ(lines(), shifted + QStringList{"3 würden umbenannt, 0 übersprungen, 0 fehlgeschlagen"});
    EXPECT_EQ(run(QStringList{"--file-times"} + paths), 0);
    EXPECT_EQ(lines(), renamed + QStringList{"2 umbenannt, 1 übersprungen, 0 fehlgeschlagen"});
    const auto after = state();
    for (const auto &c : cases)
        EXPECT_EQ(after[c.newName].second, c.utc * 1000000000) << c.name;
    undoneTo(before);
}

// A clock offset that takes a time out of the years 1 to 9999 says so; the
// rest of the batch is renamed and undone as usual.
TEST_F(RenameCommandTest, AShiftPastTheCalendarsEndsSaysSo)
{
    const struct { const char *name, *time, *shift; } cases[] = {
        {"spaet.jpg", "9999:12:31 23:30:00", "+1:00"},
        {"frueh.jpg", "0001:01:01 00:30:00", "-1:00"},
    };
    for (const auto &c : cases) {
        const QString path = photos({{c.name, c.time}}).first();
        const auto before = state();
        EXPECT_EQ(run({"--shift", c.shift, path, dir + "/IMG_2.jpg"}), 0);
        EXPECT_EQ(lines().first(), path + ": übersprungen (mit dem Versatz läge die EXIF-Zeit \"" + c.time
                                       + "\" außerhalb der Jahre 1 bis 9999)");
        EXPECT_EQ(lines().last(), "1 umbenannt, 1 übersprungen, 0 fehlgeschlagen");
        undoneTo(before);
    }
    // A photo without a time keeps that reason under an offset.
    EXPECT_EQ(run({"-n", "--shift", "+1:00", dir + "/ohne.jpg"}), 0);
    EXPECT_EQ(lines().first(), dir + "/ohne.jpg: übersprungen (keine EXIF-Zeit)");
}

// On a file system that clamps times it cannot hold (ext4 before 1901 and
// after 2446), the photo is renamed, keeps its own time to the nanosecond
// (one of 1966 as well), and undo knows it by that time.
TEST_F(RenameCommandTest, TimesTheFileSystemCannotHoldLeaveTheOldTime)
{
    const Ext4TimeRange ext4;
    const struct { const char *name, *time, *newName; bool held; } cases[] = {
        {"alt.jpg", "1800:06:01 12:00:00", "1800-06-01 - 12-00-00.jpg", false},
        {"neu.jpg", "2021:06:01 12:00:00", "2021-06-01 - 12-00-00.jpg", true},
        {"fern.jpg", "2500:06:01 12:00:00", "2500-06-01 - 12-00-00.jpg", false},
    };
    QStringList paths, expected;
    for (const auto &c : cases) {
        paths += photos({{c.name, c.time}});
        expected << paths.last() + " -> " + dir + '/' + c.newName
                + (c.held ? "" : " (Dateizeit nicht gesetzt: außerhalb des Bereichs des Dateisystems)");
    }
    const struct timespec in1966[2] = {{-100000000, 500000000}, {-100000000, 500000000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(paths.first()).constData(), in1966, 0), 0);
    const auto before = state();
    EXPECT_EQ(run(QStringList{"--file-times"} + paths), 1);
    EXPECT_EQ(lines(), expected + QStringList{"3 umbenannt, 0 übersprungen, 0 fehlgeschlagen, 2 ohne Dateizeit"});
    const auto after = state();
    for (const auto &c : cases) {
        const qint64 wanted = LocalMoment(QString::fromLatin1(c.time)) * 1000000000;
        EXPECT_EQ(after[c.newName].second, c.held ? wanted : before[c.name].second) << c.name;
    }
    undoneTo(before);
}

// A link named like a photo is renamed as a link; its target, which may lie
// outside the folder, keeps its times, and so does the link.
TEST_F(RenameCommandTest, LinksKeepTheirTargetsTimes)
{
    QTemporaryDir outside;
    const QString target = outside.path() + "/ziel.jpg";
    WriteExifJpeg(target, QByteArray("2021:06:01 12:00:00"), "ziel");
    const struct { const char *name; QByteArray points; } cases[] = {
        {"absolut.jpg", QFile::encodeName(target)},
        {"relativ.jpg", "../" + QFile::encodeName(QFileInfo(outside.path()).fileName()) + "/ziel.jpg"},
    };
    const QString link = dir + "/link";
    ASSERT_TRUE(QDir().mkdir(link));
    QStringList paths;
    for (const auto &c : cases) {
        paths << link + '/' + c.name;
        ASSERT_EQ(::symlink(c.points.constData(), QFile::encodeName(paths.last()).constData()), 0);
    }
    dir = link;
    const auto before = state();
    const qint64 targetTime = QFileInfo(target).lastModified().toMSecsSinceEpoch();
    EXPECT_EQ(run(QStringList{"--file-times", "--quiet"} + paths), 1);
    EXPECT_EQ(lines().first(), paths.first() + " -> " + link + "/2021-06-01 - 12-00-00.jpg (Dateizeit nicht "
                                   "gesetzt: symbolische Verknüpfung, ihr Ziel bleibt unverändert)");
    EXPECT_EQ(QFileInfo(target).lastModified().toMSecsSinceEpoch(), targetTime);
    undoneTo(before);
    EXPECT_EQ(QFileInfo(target).lastModified().toMSecsSinceEpoch(), targetTime);
}

// A report that cannot be written is an error of every command: a rename
// whose reader has gone stops after the shot at hand and says how far it
// came; output lost to a full disk is said at the end. No file is lost, and
// undo brings back every name and time.
TEST_F(RenameCommandTest, OutputThatCannotBeWrittenIsSaid)
{
    const QString lost = "fotlex-cli: Ausgabe nicht geschrieben (kein Platz mehr auf dem Datenträger)\n";
    const struct
    {
        const char *what;
        QStringList arguments;
        bool readerGone;  // else a full disk
        bool renamedFirst;
        const char *says;
        int renamed;
    } cases[] = {
        {"rename, its reader gone", {"rename", "."}, true, false,
         "abgebrochen: Ausgabe nicht mehr schreibbar (der Empfänger liest nicht mehr), 1 umbenannt; "
         "fotlex-cli undo nimmt sie zurück\n", 1},
        {"rename", {"rename", "."}, false, false, nullptr, 2},
        {"undo", {"undo"}, false, true, nullptr, 0},
        {"info", {"info", "IMG_2.jpg"}, false, false, nullptr, 0},
        {"--help", {"--help"}, false, false, nullptr, 0},
    };
    for (const auto &c : cases) {
        QTemporaryDir fresh;
        shoot(fresh.path());
        const auto before = state();
        if (c.renamedFirst) {
            ASSERT_EQ(run({dir}), 0);
        }
        QProcess tool;
        tool.setWorkingDirectory(dir);
        if (c.readerGone) {
            tool.setChildProcessModifier([] {
                int ends[2];
                if (::pipe(ends) == 0) {
                    ::close(ends[0]);
                    ::dup2(ends[1], STDOUT_FILENO);
                }
            });
        } else {
            tool.setStandardOutputFile(QStringLiteral("/dev/full"));
        }
        tool.start(QStringLiteral(FOTLEX_CLI), c.arguments);
        ASSERT_TRUE(tool.waitForFinished()) << c.what;
        EXPECT_EQ(tool.exitCode(), 1) << c.what;
        EXPECT_EQ(QString::fromUtf8(tool.readAllStandardError()), c.says ? QString::fromUtf8(c.says) : lost) << c.what;
        EXPECT_EQ(files().filter(QRegularExpression("^2016")).size(), c.renamed) << c.what;
        if (c.renamed > 0)
            undoneTo(before);
        EXPECT_EQ(state(), before) << c.what;
    }
}

// Through the working folder: a file reached twice is handled and reported
// once, and a folder whose name is no UTF-8 is refused as a named one is.
TEST_F(RenameCommandTest, PathsThroughTheWorkingFolder)
{
    const QString home = QDir::currentPath();
    WriteExifJpeg(dir + "/IMG_1.CR2", QByteArray("2016:08:28 02:24:00"), "raw");
    WriteFile(dir + "/IMG_1.xmp", "xmp");
    ASSERT_TRUE(QDir::setCurrent(dir));
    const auto before = state();
    EXPECT_EQ(run({"IMG_1.JPEG", "."}), 0);
    QDir::setCurrent(home);
    EXPECT_EQ(lines(), QStringList({"IMG_1.CR2 -> 2016-08-28 - 02-24-00.cr2", "IMG_1.JPEG -> 2016-08-28 - 02-24-00.jpg",
                                    "IMG_1.xmp -> 2016-08-28 - 02-24-00.xmp",
                                    "./IMG_2.jpg -> ./2016-08-28 - 02-25-10.jpg",
                                    "./ohne.jpg: übersprungen (keine EXIF-Zeit)",
                                    "4 umbenannt, 1 übersprungen, 0 fehlgeschlagen"}));
    undoneTo(before);

    const QByteArray latin1 = QFile::encodeName(dir) + "/R\xfcgen";
    ASSERT_EQ(::mkdir(latin1.constData(), 0755), 0);
    WriteExifJpeg(dir + "/IMG_3.jpg", QByteArray("2016:08:28 02:26:00"), "3");
    ASSERT_EQ(::rename(QFile::encodeName(dir + "/IMG_3.jpg").constData(), (latin1 + "/IMG_3.jpg").constData()), 0);
    ASSERT_EQ(::chdir(latin1.constData()), 0);
    const int status = run({"."});
    QDir::setCurrent(home);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(lines(), QStringList({".: übersprungen (Dateiname ist kein gültiges UTF-8; bitte zuerst umbenennen)",
                                    "0 umbenannt, 1 übersprungen, 0 fehlgeschlagen"}));
    EXPECT_EQ(::access((latin1 + "/IMG_3.jpg").constData(), F_OK), 0);
    ::unlink((latin1 + "/IMG_3.jpg").constData());
    ::rmdir(latin1.constData());
}

// A pattern with folders puts each photo in its day's folder; one whose
// name comes out empty stays, and makes the status 1.
TEST_F(RenameCommandTest, APatternNamesAndSortsAndSaysWhatItCannotName)
{
    EXPECT_EQ(run({"--pattern", "%c/%n", dir}), 1);
    EXPECT_EQ(run({"-n", "--pattern", "%Y/%m-%d %n", dir}), 0);
    EXPECT_FALSE(QFileInfo::exists(dir + "/2016")) << "a dry run makes no folder";
    EXPECT_EQ(run({"--pattern", "%Y/%m-%d %n", dir}), 0) << output.toStdString();
    EXPECT_TRUE(QFile::exists(dir + "/2016/08-28 IMG_2.jpg"));
    EXPECT_TRUE(QFile::exists(dir + "/2016/08-28 IMG_1.jpg"));
    EXPECT_EQ(run({"--pattern", "%Y/%m-%d %n", dir + "/2016"}), 0);
    EXPECT_TRUE(output.contains("0 umbenannt, 2 übersprungen")) << output.toStdString();
    WriteExifJpeg(dir + "/2016/mine.jpg", std::nullopt, "mine");
    EXPECT_EQ(undo({}), 0);
    EXPECT_TRUE(output.contains(dir + "/2016/: bleibt (nicht leer)")) << output.toStdString();
    EXPECT_TRUE(QFile::exists(dir + "/IMG_2.jpg"));
}

// A video whose movie header holds UTC only is named in the offset of the
// still of its folder taken nearest to it within a day, named alone or with
// its folder alike; in the offset of --video-tz; else in the computer's
// zone, as its line says. A photo without a time of its own takes its
// sidecar's.
TEST_F(RenameCommandTest, VideosTakeTheZoneOfTheirFolder)
{
    using B = ExifBuilder;
    const LocalTimeZone tokyo("Asia/Tokyo");
    // 2021-05-12 10:21:21 UTC in the movie header, seconds since 1904.
    const QByteArray mvhd =
        IsoBoxBytes("mvhd", BigEndian(0, 4) + BigEndian(3703659681, 4).repeated(2) + QByteArray(88, '\0'));
    const auto still = [](const char *time, const char *offset) {
        return B(true).ascii(B::Exif, 36867, time).ascii(B::Exif, 36881, offset).jpeg();
    };
    const struct
    {
        const char *what;
        std::vector<QByteArray> stills;
        QStringList options;
        const char *named;
    } cases[] = {
        {"a still of that day", {still("2021:05:12 20:00:00", "+02:00")}, {}, "2021-05-12 - 12-21-21.mp4"},
        {"the nearer of two", {still("2021:05:12 08:00:00", "+02:00"), still("2021:05:12 19:00:00", "+09:00")}, {},
         "2021-05-12 - 19-21-21.mp4"},
        {"a still two days away", {still("2021:05:14 12:00:00", "+02:00")}, {},
         "2021-05-12 - 19-21-21.mp4 (Zeitzone des Rechners)"},
        {"--video-tz", {still("2021:05:12 20:00:00", "+02:00")}, {"--video-tz", "-05:00"},
         "2021-05-12 - 05-21-21.mp4"},
    };
    for (const auto &c : cases) {
        QTemporaryDir fresh;
        dir = fresh.path();
        WriteFile(dir + "/clip.mp4", IsoBoxBytes("ftyp", "isom" + BigEndian(0, 4) + "isom") + IsoBoxBytes("moov", mvhd));
        for (size_t i = 0; i < c.stills.size(); ++i)
            WriteFile(dir + QStringLiteral("/still%1.jpg").arg(i), c.stills[i]);
        const QString line = dir + "/clip.mp4 -> " + dir + '/' + c.named;
        EXPECT_EQ(run(QStringList{"--dry-run"} + c.options + QStringList{dir + "/clip.mp4"}), 0) << c.what;
        EXPECT_EQ(lines().first(), line) << c.what;
        EXPECT_EQ(run(QStringList{"--dry-run"} + c.options + QStringList{dir}), 0) << c.what;
        EXPECT_EQ(lines().filter("clip.mp4"), QStringList{line}) << c.what;
    }
    EXPECT_EQ(run({"--dry-run", "--video-tz", "+5:00", dir}), 2);

    dir = temp.path();
    WriteFile(dir + "/ohne.xmp", XmpPacket({}, "<e:DateTimeOriginal>2019-01-02T03:04:05</e:DateTimeOriginal>"));
    EXPECT_EQ(run({"--dry-run", dir + "/ohne.jpg"}), 0);
    EXPECT_EQ(lines().first(), dir + "/ohne.jpg -> " + dir + "/2019-01-02 - 03-04-05.jpg");
}

// A card sorted into a library: its folders walked down (hidden ones left
// out), each line and the totals saying "kopiert"; a second run finds
// everything there already and copies nothing.
TEST_F(RenameCommandTest, ACardIsCopiedIntoTheLibraryOnce)
{
    QTemporaryDir library;
    QDir().mkpath(dir + "/DCIM/100CANON");
    QDir().mkpath(dir + "/.trash");
    QFile::rename(dir + "/IMG_2.jpg", dir + "/DCIM/100CANON/IMG_2.jpg");
    WriteExifJpeg(dir + "/.trash/IMG_9.jpg", QByteArray("2016:08:28 02:26:00"), "9");
    WriteExifJpeg(dir + "/IMG_1.JPEG", QByteArray("2016:08:28 02:24:00"), QByteArray(3000000, '1'));
    const auto before = state();
    const QString to = library.path() + '/';
    EXPECT_EQ(cli({"rename", "--to", library.path(), "--copy", "--pattern", "%Y/%Y-%m-%d - %H-%M-%S", dir}, true), 0);
    EXPECT_TRUE(errors.contains("1 von 3 MB kopiert")) << "a terminal is told the bytes while they are copied";
    EXPECT_EQ(lines(), QStringList({dir + "/IMG_1.JPEG -> " + to + "2016/2016-08-28 - 02-24-00.jpg (kopiert)",
                                    dir + "/ohne.jpg: übersprungen (keine EXIF-Zeit)",
                                    dir + "/DCIM/100CANON/IMG_2.jpg -> " + to + "2016/2016-08-28 - 02-25-10.jpg (kopiert)",
                                    "2 kopiert, 1 übersprungen, 0 fehlgeschlagen"}));
    EXPECT_EQ(run({"--to", library.path(), "--pattern", "%Y/%Y-%m-%d - %H-%M-%S", dir + "/IMG_1.JPEG"}), 0);
    EXPECT_EQ(lines(), QStringList({dir + "/IMG_1.JPEG: übersprungen (schon vorhanden)",
                                    "0 verschoben, 1 übersprungen, 0 fehlgeschlagen"}));
    EXPECT_EQ(state(), before);
    // Undo removes the copies, and says so rather than "renamed back".
    EXPECT_EQ(cli({"undo"}), 0);
    EXPECT_TRUE(lines().contains(to + "2016/2016-08-28 - 02-24-00.jpg: Kopie entfernt (Original: " + dir + "/IMG_1.JPEG)"))
        << lines().join('\n').toStdString();
    EXPECT_EQ(lines().last(), "0 zurückbenannt, 0 übersprungen, 0 fehlgeschlagen, 2 Kopien entfernt");
    EXPECT_FALSE(QFile::exists(to + "2016/2016-08-28 - 02-24-00.jpg"));
}
