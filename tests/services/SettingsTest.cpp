#include "services/Settings.h"

#include "Unprivileged.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

class SettingsTest : public ::testing::Test
{
protected:
    QString Read(const char *section, const char *key, const QString &defaultValue = {}, const QString &at = {}) const
    {
        return ReadSetting(QString::fromUtf8(section), QString::fromUtf8(key), at.isEmpty() ? file : at, defaultValue);
    }

    bool Write(const char *section, const char *key, const QString &value, const QString &at = {}) const
    {
        return WriteSetting(QString::fromUtf8(section), QString::fromUtf8(key), value, at.isEmpty() ? file : at);
    }

    OpenTemporaryDir dir;
    QString file = dir.filePath(u"fotlex.ini"_qs);
};

}

TEST_F(SettingsTest, MissingFileIsCreatedWithSectionAndEntry)
{
    EXPECT_EQ(Read("Fotlex", "LastPath", u"/opt"_qs), u"/opt");
    EXPECT_TRUE(Write("Fotlex", "LastPath", u"/home/anna/Fotos"_qs));
    EXPECT_EQ(ReadBytes(file), "[Fotlex]\nLastPath=/home/anna/Fotos\n");
    EXPECT_EQ(Read("Fotlex", "LastPath"), u"/home/anna/Fotos");
    // Only the settings file is left: the temporary file was renamed onto it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{u"fotlex.ini"_qs});
}

TEST_F(SettingsTest, NamesIgnoreCaseAndEmptyValuesReadAsTheDefault)
{
    ASSERT_TRUE(WriteBytes(file, "[Fotlex]\nLastPath=/home/anna\nLeer=\nOther=  \n"));
    EXPECT_EQ(Read("fotlex", "lastpath"), u"/home/anna");
    EXPECT_EQ(Read("FOTLEX", "LASTPATH"), u"/home/anna");
    EXPECT_EQ(Read("Fotlex", "Leer", u"/std"_qs), u"/std");
    EXPECT_EQ(Read("Fotlex", "Other", u"/std"_qs), u"/std");
    EXPECT_EQ(Read("Fotlex", "Missing"), QString());
    EXPECT_EQ(Read("Andere", "LastPath"), QString());
    EXPECT_TRUE(Write("FOTLEX", "lastpath", u"/neu"_qs));
    EXPECT_EQ(ReadBytes(file), "[Fotlex]\nlastpath=/neu\nLeer=\nOther=  \n");
}

TEST_F(SettingsTest, ValuesComeBackAsWrittenUpTo2047Characters)
{
    const QString longValue(3000, u'x');
    for (const QString &value : {u"/home/anna/Grüße ß €"_qs, u" führend"_qs, u"folgend "_qs, u"\"in Anführung\""_qs,
                                 u"'x'"_qs, u"a=b;c[d]"_qs, u"\""_qs, QString(2047, QChar(0x00E4)), longValue}) {
        EXPECT_TRUE(Write("Fotlex", "LastPath", value));
        EXPECT_EQ(Read("Fotlex", "LastPath"), value.left(2047));
    }
}

TEST_F(SettingsTest, OtherLinesStayAsTheyWere)
{
    const QByteArray head = "; Kommentar\r\n\r\n[Andere]\r\nLastPath=/anders\r\n\r\n[Fotlex]\r\n";
    ASSERT_TRUE(WriteBytes(file, head + "  LastPath = \"/alt\"  \r\nZoom=2\r\n\r\n[Dritte]\r\nx=1"));
    EXPECT_EQ(Read("Fotlex", "LastPath"), u"/alt");
    EXPECT_EQ(Read("Fotlex", "Zoom"), u"2");
    EXPECT_TRUE(Write("Fotlex", "LastPath", u"/neu"_qs));
    EXPECT_EQ(ReadBytes(file), head + "LastPath=/neu\r\nZoom=2\r\n\r\n[Dritte]\r\nx=1\n");
    EXPECT_TRUE(Write("Fotlex", "Neu", u"ja"_qs));
    EXPECT_EQ(ReadBytes(file), head + "LastPath=/neu\r\nZoom=2\r\nNeu=ja\r\n\r\n[Dritte]\r\nx=1\n");
    EXPECT_TRUE(Write("Vierte", "k", u"v"_qs));
    EXPECT_TRUE(ReadBytes(file).endsWith("[Dritte]\r\nx=1\n[Vierte]\r\nk=v\r\n"));
    EXPECT_EQ(Read("andere", "lastpath"), u"/anders");
    EXPECT_EQ(Read("dritte", "X"), u"1");
}

TEST_F(SettingsTest, JunkFiles)
{
    QByteArray binary(4096, '\0');
    QRandomGenerator random(7);
    for (char &byte : binary)
        byte = char(random.bounded(256));
    ASSERT_TRUE(WriteBytes(file, binary));
    EXPECT_EQ(Read("Fotlex", "LastPath", u"/std"_qs), u"/std");
    EXPECT_TRUE(Write("Fotlex", "LastPath", u"/neu"_qs));
    EXPECT_TRUE(ReadBytes(file).startsWith(binary));
    EXPECT_EQ(Read("Fotlex", "LastPath"), u"/neu");

    ASSERT_TRUE(WriteBytes(file, "kein Abschnitt\n=leer\n[\n]]\n[Fotlex\nLastPath=/offen\n"));
    EXPECT_EQ(Read("Fotlex", "LastPath"), u"/offen");

    ASSERT_TRUE(WriteBytes(file, QByteArray("[Fotlex]\nLastPath=/a\0b\n", 22)));
    EXPECT_FALSE(Read("Fotlex", "LastPath").isEmpty());

    // Duplicates: the first counts and is the one rewritten.
    ASSERT_TRUE(WriteBytes(file, "LastPath=/ohne\n[Fotlex]\nLastPath=/erste\nLastPath=/zweite\n[fotlex]\nLastPath=/dritte\n"));
    EXPECT_EQ(Read("Fotlex", "LastPath"), u"/erste");
    EXPECT_TRUE(Write("Fotlex", "LastPath", u"/neu"_qs));
    EXPECT_EQ(ReadBytes(file), "LastPath=/ohne\n[Fotlex]\nLastPath=/neu\nLastPath=/zweite\n[fotlex]\nLastPath=/dritte\n");

    // A byte-order mark before the first section is no part of its name.
    ASSERT_TRUE(WriteBytes(file, "\xEF\xBB\xBF[Fotlex]\nLastPath=/bom\n"));
    EXPECT_EQ(Read("Fotlex", "LastPath"), u"/bom");
    EXPECT_TRUE(Write("Fotlex", "LastPath", u"/neu"_qs));
    EXPECT_EQ(ReadBytes(file), "\xEF\xBB\xBF[Fotlex]\nLastPath=/neu\n");

    const QByteArray line(10 * 1024 * 1024, 'z');
    ASSERT_TRUE(WriteBytes(file, "[Fotlex]\nGross=" + line + "\nLastPath=/hier\n"));
    EXPECT_EQ(Read("Fotlex", "Gross").size(), 2047);
    EXPECT_EQ(Read("Fotlex", "LastPath"), u"/hier");
    EXPECT_TRUE(Write("Fotlex", "LastPath", u"/neu"_qs));
    EXPECT_EQ(ReadBytes(file), "[Fotlex]\nGross=" + line + "\nLastPath=/neu\n");
}

TEST_F(SettingsTest, LineBreaksAndBadNamesAreRefused)
{
    ASSERT_TRUE(WriteBytes(file, "[Fotlex]\nLastPath=/alt\n"));
    EXPECT_FALSE(Write("Fotlex", "LastPath", u"/a\n[Fotlex]\nLastPath=/b"_qs));
    EXPECT_FALSE(Write("Fotlex", "LastPath", u"/a\r"_qs));
    EXPECT_FALSE(Write("Fot]lex", "LastPath", u"/a"_qs));
    EXPECT_FALSE(Write("Fotlex", "Last=Path", u"/a"_qs));
    EXPECT_FALSE(Write("", "LastPath", u"/a"_qs));
    EXPECT_FALSE(Write("Fotlex", "", u"/a"_qs));
    EXPECT_EQ(ReadBytes(file), "[Fotlex]\nLastPath=/alt\n");
}

TEST_F(SettingsTest, ReadOnlyFolderAndFile)
{
    const QString folder = dir.filePath(u"nurlesen"_qs);
    const QString inside = folder + u"/fotlex.ini"_qs;
    const QString missing = folder + u"/neu.ini"_qs;
    ASSERT_TRUE(QDir().mkdir(folder) && WriteBytes(inside, "[Fotlex]\nLastPath=/alt\n"));
    SetMode(inside, 0666);
    SetMode(folder, 0555);
    EXPECT_TRUE(RunUnprivileged([&] {
        // The temporary file cannot be made beside the settings file.
        return !Write("Fotlex", "LastPath", u"/neu"_qs, inside) && !Write("Fotlex", "LastPath", u"/neu"_qs, missing)
            && Read("Fotlex", "LastPath", {}, inside) == u"/alt";
    }));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"fotlex.ini"_qs});
    SetMode(folder, 0755);

    ASSERT_TRUE(WriteBytes(file, "[Fotlex]\nLastPath=/alt\n"));
    SetMode(file, 0444);
    EXPECT_TRUE(RunUnprivileged([&] { return !Write("Fotlex", "LastPath", u"/neu"_qs); }));
    EXPECT_EQ(Read("Fotlex", "LastPath"), u"/alt");
}

TEST_F(SettingsTest, RewriteKeepsPermissionsAndFollowsALink)
{
    ASSERT_TRUE(WriteBytes(file, "[Fotlex]\nLastPath=/alt\n"));
    SetMode(file, 0600);
    EXPECT_TRUE(Write("Fotlex", "LastPath", u"/neu"_qs));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);

    const QString link = dir.filePath(u"verweis.ini"_qs);
    ASSERT_TRUE(QFile::link(file, link));
    EXPECT_TRUE(Write("Fotlex", "LastPath", u"/link"_qs, link));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(Read("Fotlex", "LastPath"), u"/link");
}

TEST_F(SettingsTest, FolderInsteadOfFile)
{
    ASSERT_TRUE(QDir().mkdir(file));
    EXPECT_EQ(Read("Fotlex", "LastPath", u"/std"_qs), u"/std");
    EXPECT_FALSE(Write("Fotlex", "LastPath", u"/neu"_qs));
    EXPECT_FALSE(Write("Fotlex", "LastPath", u"/neu"_qs, dir.filePath(u"fehlt/fotlex.ini"_qs)));
}
