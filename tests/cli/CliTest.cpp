#include "TestFiles.h"
#include "cli/CliDispatch.h"
#include "metadata/ExifReader.h"

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

// On copies: a fault in the dispatch that renamed instead must not rename the samples.
TEST(CliInfoTest, ListsEachFileAsListInfoWithPlainLineEnds)
{
    const QTemporaryDir dir;
    const QString canon = CopyPhoto("Canon_40D.jpg", dir.path(), "Canon_40D.jpg");
    const QString plain = CopyPhoto("../formats/sample_640x360.mov", dir.path(), "plain.mov"); // no creation time
    const CliRun r = run({"info", canon, plain});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.isEmpty());
    ExifReader reader;
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

    QProcess tool;
    tool.start(QStringLiteral(FOTLEX_CLI), {"--help"});
    ASSERT_TRUE(tool.waitForFinished());
    EXPECT_EQ(tool.exitCode(), 0);
    EXPECT_TRUE(tool.readAllStandardOutput().contains("\n  undo [--list | N]"));
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
