#include "TestFiles.h"
#include "TestPhotos.h"
#include "cli/CliDispatch.h"
#include "metadata/ExifReader.h"

#include "tests/support/ExifBuilder.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cctype>
#include <map>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct CliRun
{
    int status;
    QString out;
    QString err;
};

// In-process, as with standard output and standard error in two files.
CliRun run(const QStringList &args)
{
    QString out;
    QString err;
    int status;
    {
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        status = RunCli(args, {outStream, errStream, true, false});
    }
    return {status, out, err};
}

// The program itself, in German; `merged`: standard error is standard output.
CliRun tool(const QStringList &args, bool merged = false, const QString &zone = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    if (!zone.isEmpty())
        environment.insert(QStringLiteral("TZ"), zone);
    QProcess process;
    process.setProcessEnvironment(environment);
    if (merged)
        process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(FOTLEX_CLI), args);
    EXPECT_TRUE(process.waitForFinished());
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            merged ? QString() : QString::fromUtf8(process.readAllStandardError())};
}

// The long options a help text lists, those with a value marked "=".
QSet<QString> HelpOptions(const QString &help)
{
    static const QRegularExpression option(QStringLiteral("^  (?:-\\w, )?(--[a-z-]+)( <)?"),
                                           QRegularExpression::MultilineOption);
    QSet<QString> names;
    for (auto it = option.globalMatch(help); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        names << match.captured(1) + (match.hasCaptured(2) ? QStringLiteral("=") : QString());
    }
    return names;
}

// The words the bash completion offers after `words`, the last one typed so
// far, in a shell that refuses unset variables.
QStringList Completion(const QStringList &words, const QString &extra = {})
{
    QStringList quoted;
    for (const QString &word : words)
        quoted << u'\'' + word + u'\'';
    QProcess bash;
    bash.start(QStringLiteral("bash"),
               {QStringLiteral("-c"), QStringLiteral("set -u; source '%1'; COMP_WORDS=(%2); COMP_CWORD=%3; _fotlex_cli "
                                                     "2>/dev/null; echo ${COMPREPLY[*]} %4")
                                          .arg(QStringLiteral(FOTLEX_COMPLETION), quoted.join(u' '))
                                          .arg(words.size() - 1)
                                          .arg(extra)});
    EXPECT_TRUE(bash.waitForFinished());
    return QString::fromUtf8(bash.readAllStandardOutput()).simplified().split(u' ', Qt::SkipEmptyParts);
}

// On copies: a fault in the dispatch that renamed instead must not rename the
// samples. Each file's tag list ends with the summary; an unreadable file
// says why, on standard output and on standard error, and the others are
// still listed. A script sees "7.1" under every locale; the window's locale
// is left as it was.
TEST(CliInfoTest, ListsEachFileAsListInfoThenTheSummary)
{
    const QTemporaryDir dir;
    const QString canon = CopyPhoto("Canon_40D.jpg", dir.path(), "Canon_40D.jpg");
    const QString plain = CopyPhoto("../formats/sample_640x360.mov", dir.path(), "plain.mov"); // no creation time
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const CliRun r = run({"info", canon, "--", "-fehlt.jpg", plain});
    EXPECT_EQ(QLocale().decimalPoint(), ",");
    QLocale::setDefault(before);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "-fehlt.jpg: Datei oder Ordner nicht gefunden\n");
    ExifReader reader;
    reader.setImageFile(canon);
    const QString listing = reader.ListInfo().replace("\r\n", "\n");
    EXPECT_EQ(r.out, "== " + canon + "\n" + listing
                         + "\nKamera: Canon EOS 40D\nBlende: f/7.1\nBelichtung: 1/160 s\nISO: 100\n"
                           "Aufnahmezeit: 2008-05-30 15:56:01.00 (EXIF)\nBildgröße: 100 x 68\n"
                           "== -fehlt.jpg\nFehler: Datei oder Ordner nicht gefunden\n== "
                         + plain + "\nKeine EXIF-Daten vorhanden.\n\nAufnahmezeit: keine\nBildgröße: 640 x 360\n");
    EXPECT_TRUE(r.out.contains("\nDateTimeOriginal: 2008:05:30 15:56:01\n") && r.out.contains("\nFNumber: 7.1\n"));
}

// A sidecar holding exif:DateTimeOriginal, as an element.
QByteArray Sidecar(const QByteArray &time)
{
    return XmpPacket({}, "<e:DateTimeOriginal>" + time + "</e:DateTimeOriginal>");
}

// The keys of `object` are exactly `keys`, each of the JSON type given
// ('s' string, 'n' number, 'o' object, 'a' array; upper case: or null).
void ExpectShape(const QJsonObject &object, const std::map<QString, char> &keys, const QString &where)
{
    EXPECT_EQ(object.size(), qsizetype(keys.size())) << where.toStdString();
    for (const auto &[key, type] : keys) {
        const QJsonValue value = object.value(key);
        const bool ok = (std::isupper(type) && value.isNull()) || (std::tolower(type) == 's' && value.isString())
                        || (std::tolower(type) == 'n' && value.isDouble())
                        || (std::tolower(type) == 'o' && value.isObject()) || (std::tolower(type) == 'a' && value.isArray());
        EXPECT_TRUE(ok) << where.toStdString() << ": " << key.toStdString();
    }
}

// One array of objects, each with exactly the keys of its kind and values of
// their types, the numbers as JSON numbers; the capture time in ISO 8601
// with its fraction and offset, and its source: EXIF before XMP, a sidecar
// (named after the file or its stem) only without a time of its own, the
// movie header's UTC time in the local zone. The tags are the tag list.
TEST(CliInfoJsonTest, OneArrayOfObjectsWithTheKeysAndTypes)
{
    const QTemporaryDir dir;
    const QString d = dir.path() + u'/';
    using B = ExifBuilder;
    WriteFile(d + "offset.jpg", B(true).ascii(B::Exif, 36867, "2021:06:01 10:00:00").ascii(B::Exif, 37521, "5")
                                    .ascii(B::Exif, 36881, "+02:00").jpeg());
    WriteFile(d + "xmp.jpg", XmpJpeg(XmpPacket("xap:CreateDate='2020-02-03T04:05:06-03:30'")));
    WriteFile(d + "side.jpg", B(true).ascii(B::Ifd0, 272, "CAM").jpeg());
    WriteFile(d + "side.jpg.xmp", Sidecar("2019-01-02T03:04:05"));
    WriteFile(d + "stem.png", QByteArray("\x89PNG\r\n\x1a\n", 8));
    WriteFile(d + "stem.XMP", Sidecar("2018-01-02T03:04:05.25Z"));
    WriteFile(d + "both.jpg", B(true).ascii(B::Exif, 36867, "2017:01:01 01:01:01").jpeg());
    WriteFile(d + "both.xmp", Sidecar("2016-01-02T03:04:05"));
    // 2021-05-12 10:21:21 UTC in the movie header, seconds since 1904.
    const QByteArray mvhd = IsoBoxBytes("mvhd", BigEndian(0, 4) + BigEndian(3703659681, 4).repeated(2) + QByteArray(88, '\0'));
    WriteFile(d + "clip.mp4", IsoBoxBytes("ftyp", "isom" + BigEndian(0, 4) + "isom") + IsoBoxBytes("moov", mvhd));
    const QString dng = QStringLiteral(FOTLEX_TESTDATA "/../formats/IMG_1361.dng");
    const QStringList files{d + "offset.jpg", d + "xmp.jpg", d + "side.jpg", d + "stem.png", d + "both.jpg",
                            d + "clip.mp4", d + "fehlt.jpg", dng};
    const CliRun r = tool(QStringList{"info", "--json"} + files, false, "Asia/Tokyo");
    EXPECT_EQ(r.status, 1);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(r.out.toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
    ASSERT_TRUE(document.isArray());
    const QJsonArray array = document.array();
    ASSERT_EQ(array.size(), files.size());

    QHash<QString, QJsonObject> byName;
    for (const QJsonValue &value : array) {
        ASSERT_TRUE(value.isObject());
        const QJsonObject object = value.toObject();
        const QString file = object.value("file").toString();
        byName.insert(QFileInfo(file).fileName(), object);
        if (object.contains("error")) {
            ExpectShape(object, {{"file", 's'}, {"error", 's'}}, file);
            continue;
        }
        ExpectShape(object, {{"file", 's'}, {"captureTime", 'S'}, {"captureTimeSource", 'S'}, {"make", 'S'},
                             {"model", 'S'}, {"width", 'N'}, {"height", 'N'}, {"orientation", 'N'}, {"fNumber", 'N'},
                             {"exposureTime", 'N'}, {"iso", 'N'}, {"gps", 'O'}, {"tags", 'a'}}, file);
        if (object.value("gps").isObject())
            ExpectShape(object.value("gps").toObject(), {{"lat", 'n'}, {"lon", 'n'}}, file + " gps");
        for (const QJsonValue &tag : object.value("tags").toArray())
            ExpectShape(tag.toObject(), {{"name", 's'}, {"text", 's'}}, file + " tag");
    }
    const struct { const char *file; const char *time; const char *source; } times[] = {
        {"offset.jpg", "2021-06-01T10:00:00.5+02:00", "exif"},   {"xmp.jpg", "2020-02-03T04:05:06-03:30", "xmp"},
        {"side.jpg", "2019-01-02T03:04:05", "sidecar"},          {"stem.png", "2018-01-02T03:04:05.25+00:00", "sidecar"},
        {"both.jpg", "2017-01-01T01:01:01", "exif"},             {"clip.mp4", "2021-05-12T19:21:21+09:00", "mvhd"},
        {"IMG_1361.dng", "2020-12-29T14:24:45.700-05:00", "exif"}};
    for (const auto &t : times) {
        EXPECT_EQ(byName[t.file].value("captureTime").toString(), t.time) << t.file;
        EXPECT_EQ(byName[t.file].value("captureTimeSource").toString(), t.source) << t.file;
    }
    EXPECT_EQ(byName["fehlt.jpg"].value("error").toString(), "Datei oder Ordner nicht gefunden");

    // A phone's DNG turned by its orientation: the values, not their texts.
    const QJsonObject phone = byName["IMG_1361.dng"];
    EXPECT_EQ(phone.value("make").toString(), "Apple");
    EXPECT_EQ(phone.value("model").toString(), "iPhone 12 Pro");
    EXPECT_EQ(phone.value("width").toInt(), 3024);
    EXPECT_EQ(phone.value("height").toInt(), 4032);
    EXPECT_EQ(phone.value("orientation").toInt(), 6);
    EXPECT_EQ(phone.value("fNumber").toDouble(), 1.6);
    EXPECT_NEAR(phone.value("exposureTime").toDouble(), 0.0001799856, 1e-10);
    EXPECT_EQ(phone.value("iso").toInt(), 32);
    EXPECT_NEAR(phone.value("gps").toObject().value("lat").toDouble(), 34.0596083, 1e-6);
    EXPECT_NEAR(phone.value("gps").toObject().value("lon").toDouble(), -84.681725, 1e-6);
    QString tagLines;
    for (const QJsonValue &tag : phone.value("tags").toArray())
        tagLines += tag["name"].toString() + ": " + tag["text"].toString() + u'\n';
    EXPECT_EQ(tagLines, tool({"info", dng}).out.section(u'\n', 1).section("\n\n", 0, 0) + u'\n');
}

// Each file goes out as it is read: a reader that went away stops the run
// at its first write, which is said, rather than reading the other files.
TEST(CliInfoTest, AClosedPipeEndsTheRun)
{
    const QTemporaryDir dir;
    const QByteArray errors = QFile::encodeName(dir.filePath("errors.txt"));
    for (const char *mode : {"--json", "--"}) {
        std::vector<QByteArray> words{FOTLEX_CLI, "info", mode};
        for (int i = 0; i < 200; ++i)
            words.push_back(QFile::encodeName(dir.filePath(QStringLiteral("fehlt%1.jpg").arg(i))));
        std::vector<char *> argv;
        for (QByteArray &word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        int ends[2];
        ASSERT_EQ(::pipe(ends), 0);
        ::close(ends[0]);
        const int err = ::open(errors.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const pid_t child = ::fork();
        if (child == 0) {
            ::dup2(ends[1], STDOUT_FILENO);
            ::dup2(err, STDERR_FILENO);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(ends[1]);
        ::close(err);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
        const QStringList said = QString::fromUtf8(ReadBytes(QString::fromLocal8Bit(errors))).split(u'\n');
        EXPECT_EQ(said.size(), 3) << mode;
        EXPECT_EQ(said.value(1), "fotlex-cli: Ausgabe nicht geschrieben (der Empfänger liest nicht mehr)") << mode;
    }
}

// Wrong calls exit 2 with the reason and the usage, and write nothing to
// standard output; --version and --help exit 0.
TEST(CliUsageTest, WrongCallsSayWhyAndExitTwo)
{
    const struct { QStringList args; const char *says; } cases[] = {
        {{}, "Kein Befehl angegeben."}, {{"--bunt"}, ""}, {{"bunt"}, "Unbekannter Befehl: bunt"},
        {{"--", "--help"}, "Unbekannter Befehl: --help"}, {{"info"}, "Keine Datei angegeben."},
        {{"info", "--bunt", "--", "-x"}, ""}, {{"info", "--help=ja"}, ""}, {{"--version=1"}, ""},
        {{"undo", "x"}, "Keine Nummer einer Umbenennung: x"}};
    for (const auto &c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.startsWith(c.says) && r.err.contains("\nAufruf: fotlex-cli ")) << r.err.toStdString();
    }
    const CliRun version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "fotlex-cli " FOTLEX_VERSION "\n");
    QTemporaryDir dir;
    const QString empty = dir.filePath("leer.jpg");
    ASSERT_TRUE(WriteBytes(empty, {}));
    EXPECT_TRUE(run({"info", empty}).out.endsWith("Fehler: leere Datei\n"));
}

// Each command's --help and -h print its help and exit 0; the help lists
// exactly the options the bash completion offers, and those with a value are
// the ones after which it offers nothing. The commands it offers are those
// the program's help lists.
TEST(CliHelpTest, EachCommandsHelpListsTheOptionsTheCompletionKnows)
{
    QSet<QString> valued;
    QSet<QString> commands;
    for (const QString command : {"", "info", "rename", "undo"}) {
        const QStringList prefix = command.isEmpty() ? QStringList{} : QStringList{command};
        const CliRun help = tool(prefix + QStringList{"--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.err.isEmpty());
        EXPECT_TRUE(help.out.startsWith(QStringList({"Aufruf: fotlex-cli", command}).join(u' ').trimmed() + u' '))
            << help.out.toStdString();
        // Qt's own usage line, with the program's path, is replaced by ours.
        EXPECT_FALSE(help.out.section(u'\n', 1).contains(FOTLEX_CLI));
        EXPECT_EQ(help.out.section(u'\n', 2, 2), "") << "usage, summary, blank line";
        EXPECT_EQ(tool(prefix + QStringList{"-h"}).out, help.out);
        QSet<QString> listed;
        for (QString option : HelpOptions(help.out)) {
            if (option.endsWith(u'='))
                valued << option.chopped(1);
            listed << option.remove(u'=');
        }
        const QStringList offered = Completion(QStringList{"fotlex-cli"} + prefix + QStringList{"--"});
        EXPECT_EQ(QSet<QString>(offered.begin(), offered.end()), listed) << command.toStdString();
        if (command.isEmpty()) {
            static const QRegularExpression line(QStringLiteral("^  ([a-z]+) "), QRegularExpression::MultilineOption);
            for (auto it = line.globalMatch(help.out); it.hasNext();)
                commands << it.next().captured(1);
        }
    }
    const QStringList offered = Completion({"fotlex-cli", ""});
    EXPECT_EQ(QSet<QString>(offered.begin(), offered.end()), commands + QSet<QString>({"--help", "--version"}));
    const QStringList afterValue =
        Completion({"fotlex-cli", "rename", "--shift", ""}, "$_fotlex_cli_valued $_fotlex_cli_folder_valued");
    EXPECT_EQ(QSet<QString>(afterValue.begin(), afterValue.end()), valued);
    EXPECT_TRUE(valued.contains("--shift"));
}

// Failed lines go to standard output with the others, and a copy to
// standard error unless the two are one file (a terminal, or 2>&1). The
// progress line is drawn only on a terminal.
TEST(CliStreamsTest, FailuresAreCopiedToAnotherStandardErrorOnly)
{
    const QTemporaryDir dir;
    const QString photo = dir.path() + "/IMG_1.jpg";
    WriteExifJpeg(photo, QByteArray("2016:08:28 02:24:00"));
    const QString missing = dir.path() + "/fehlt.jpg";
    const QString failed = missing + ": fehlgeschlagen (Datei oder Ordner nicht gefunden)\n";
    const CliRun apart = tool({"rename", "--dry-run", photo, missing});
    EXPECT_EQ(apart.status, 1);
    EXPECT_EQ(apart.out.count(u'\n'), 3);
    EXPECT_TRUE(apart.out.contains(failed));
    EXPECT_EQ(apart.err, failed);
    const CliRun together = tool({"rename", "--dry-run", photo, missing}, true);
    EXPECT_EQ(together.out.count(failed), 1) << together.out.toStdString();

    int pipeOut[2], pipeErr[2];
    ASSERT_EQ(::pipe(pipeOut), 0);
    ASSERT_EQ(::pipe(pipeErr), 0);
    const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(::grantpt(terminal) | ::unlockpt(terminal), 0);
    const int screen = ::open(::ptsname(terminal), O_RDWR | O_NOCTTY);
    const int screenAgain = ::open(::ptsname(terminal), O_RDWR | O_NOCTTY);
    const struct { int out, err; bool copy, progress; } cases[] = {
        {pipeOut[1], pipeErr[1], true, false}, {pipeOut[1], pipeOut[1], false, false},
        {pipeOut[1], screen, true, true}, {screen, screenAgain, false, true}};
    QTextStream out, err;
    for (const auto &c : cases) {
        const CliStreams streams = StandardStreams(out, err, c.out, c.err);
        EXPECT_EQ(streams.copyFailures, c.copy) << c.out << ' ' << c.err;
        EXPECT_EQ(streams.progress, c.progress) << c.out << ' ' << c.err;
    }
    for (const int fd : {pipeOut[0], pipeOut[1], pipeErr[0], pipeErr[1], terminal, screen, screenAgain})
        ::close(fd);
}

// A count of one is singular: the German forms come with the translation.
TEST(CliUndoTest, ListsABatchOfOneFileAsOneDatei)
{
    const QTemporaryDir dir;
    const QString photo = dir.path() + "/IMG_1.jpg";
    WriteExifJpeg(photo, QByteArray("2016:08:28 02:24:00"));
    ASSERT_EQ(tool({"rename", photo}).status, 0);
    const CliRun list = tool({"undo", "--list"});
    EXPECT_TRUE(list.out.endsWith(dir.path() + "/  1 Datei\n")) << list.out.toStdString();
    EXPECT_EQ(tool({"undo", "--quiet"}).out, "1 zurückbenannt, 0 übersprungen, 0 fehlgeschlagen\n");
}

// The tool speaks the messages locale's language: German (the source texts)
// for German and for C, English for English and for every language without a
// translation; of a LANGUAGE list the first one we have, which under plain C
// is ignored, as gettext does.
TEST(CliLanguageTest, FollowsTheMessagesLocale)
{
    const struct { QStringList variables; bool german; } cases[] = {
        {{"LANG=C", "LANGUAGE=en"}, true}, {{"LANG=C.UTF-8"}, true}, {{"LANG=de_AT.UTF-8"}, true},
        {{"LANG=fr_FR.UTF-8", "LANGUAGE=fr:de:en"}, true}, {{"LANG=en_US.UTF-8"}, false},
        {{"LANG=fr_FR.UTF-8"}, false}, {{"LANG=de_DE.UTF-8", "LC_MESSAGES=en_GB.UTF-8"}, false}};
    for (const auto &c : cases) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(name);
        for (const QString &variable : c.variables)
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        QProcess tool;
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral(FOTLEX_CLI), {});
        ASSERT_TRUE(tool.waitForFinished());
        EXPECT_EQ(tool.exitCode(), 2);
        const QString said = QString::fromUtf8(tool.readAllStandardError());
        EXPECT_EQ(said.startsWith("Kein Befehl angegeben.\nAufruf: fotlex-cli"), c.german)
            << c.variables.join(u' ').toStdString() << " (English needs lrelease in the build): " << said.toStdString();
        EXPECT_FALSE(said.isEmpty());
    }
}

}

// The tool is linked without --as-needed, so its dynamic section lists every
// library the link pulled in: none may be a display library.
TEST(CliLinkTest, NeedsQtCoreOnly)
{
    QProcess readelf;
    readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), QStringLiteral(FOTLEX_CLI)});
    ASSERT_TRUE(readelf.waitForFinished());
    ASSERT_EQ(readelf.exitCode(), 0);
    QStringList qtLibraries;
    for (const QString &line : QString::fromLocal8Bit(readelf.readAllStandardOutput()).split(u'\n')) {
        const qsizetype at = line.indexOf(QStringLiteral("[libQt6"));
        if (line.contains(QStringLiteral("(NEEDED)")) && at >= 0)
            qtLibraries.append(line.mid(at + 1, line.indexOf(u'.', at) - at - 1));
    }
    EXPECT_EQ(qtLibraries, QStringList{QStringLiteral("libQt6Core")});
}
