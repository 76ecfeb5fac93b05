#include "cli/CliDispatch.h"
#include "metadata/clsEXIF.h"
#include "tests/support/TestFiles.h"

#include <QProcess>
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

// Wrong calls exit 2 with the reason and the usage; a missing file fails with 1.
TEST(CliUsageTest, WrongCallsSayWhyAndExitTwo)
{
    const struct { QStringList args; const char *says; } cases[] = {
        {{}, "Kein Befehl angegeben."}, {{"--bunt"}, "Unbekannte Option: --bunt"},
        {{"bunt"}, "Unbekannter Befehl: bunt"}, {{"info"}, "Keine Datei angegeben."},
        {{"info", "--bunt", "--", "-x"}, "Unbekannte Option: --bunt"}};
    for (const auto &c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.says;
        EXPECT_TRUE(r.err.startsWith(c.says) && r.err.contains("Aufruf: fotlex-cli")) << r.err.toStdString();
    }
    const CliRun missing = run({"info", "--", "-fehlt.jpg"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.startsWith("-fehlt.jpg: ")) << missing.err.toStdString();
    QTemporaryDir dir;
    const QString empty = dir.filePath("leer.jpg");
    ASSERT_TRUE(WriteBytes(empty, {}));
    EXPECT_EQ(run({"info", empty}).err, empty + ": leere Datei\n");

    QProcess tool;
    tool.start(QStringLiteral(FOTLEX_CLI), {"--help"});
    ASSERT_TRUE(tool.waitForFinished());
    EXPECT_EQ(tool.exitCode(), 0);
    EXPECT_TRUE(tool.readAllStandardOutput().contains("\n  undo [--list | N]"));
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
