#include "cli/CliDispatch.h"
#include "metadata/clsEXIF.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

struct CliRun
{
    int status;
    QString out;
    QString err;
};

CliRun run(const QStringList &args)
{
    QString out;
    QString err;
    int status;
    {
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        status = RunCli(args, outStream, errStream);
    }
    return {status, out, err};
}

const QString kPhotos = QStringLiteral(FOTLEX_TESTDATA);

TEST(CliInfoTest, ListsEachFileAsListInfoWithPlainLineEnds)
{
    const QString canon = kPhotos + "/Canon_40D.jpg";
    const QString plain = kPhotos + "/../formats/sample_640x360.mov"; // no creation time
    const CliRun r = run({"info", canon, plain});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.isEmpty());
    clsEXIF reader;
    reader.setImageFile(canon);
    const QString listing = reader.ListInfo().replace("\r\n", "\n");
    EXPECT_EQ(r.out, "== " + canon + "\n" + listing + "== " + plain + "\nKeine EXIF-Daten vorhanden.\n");
    EXPECT_TRUE(r.out.contains("\nDateTimeOriginal: 2008:05:30 15:56:01\n"));
}

// Names after "--" are files even when they look like options.
TEST(CliInfoTest, UnreadableFilesAreListedSaidWhyAndFailAtTheEnd)
{
    QTemporaryDir dir;
    const QString missing = dir.path() + "/fehlt.jpg";
    const QString fifo = dir.path() + "/rohr.jpg";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString canon = kPhotos + "/Canon_40D.jpg";
    const CliRun r = run({"info", "--", missing, fifo, dir.path(), canon, "-x.jpg"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.startsWith("== " + missing + "\nError.\n== " + fifo + "\nError.\n== " + dir.path()
                                 + "\nError.\n== " + canon + "\nMake: Canon\n"));
    EXPECT_TRUE(r.out.endsWith("== -x.jpg\nError.\n"));
    EXPECT_EQ(r.err, missing + ": Datei oder Ordner nicht gefunden\n" + fifo + ": keine normale Datei\n" + dir.path()
                         + ": ist ein Ordner\n-x.jpg: Datei oder Ordner nicht gefunden\n");
}

TEST(CliUsageTest, HelpVersionAndWrongUsage)
{
    CliRun r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.startsWith("Aufruf: fotlex-cli BEFEHL"));
    EXPECT_TRUE(r.out.contains("info DATEI..."));

    EXPECT_TRUE(run({"--version"}).out.startsWith("fotlex-cli "));

    for (const QStringList &args : {QStringList{"--bunt"}, QStringList{}, QStringList{"malen"}, QStringList{"info"},
                                    QStringList{"info", "-q", kPhotos + "/Canon_40D.jpg"}}) {
        r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains("Aufruf: fotlex-cli")) << r.err.toStdString();
    }
    EXPECT_TRUE(run({"info"}).err.contains("Keine Datei angegeben."));
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
