#include "services/Settings.h"

#include "tests/support/TestFiles.h"
#include "tests/support/TestPhotos.h"

#include <QDir>
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

    QTemporaryDir dir;
    QString file = dir.filePath(u"fotlex.ini"_qs);
};

}

TEST_F(SettingsTest, MissingFileIsCreatedValuesComeBackAsWrittenUpTo2047Characters)
{
    EXPECT_EQ(Read("Fotlex", "LastPath", u"/opt"_qs), u"/opt");
    EXPECT_TRUE(Write("Fotlex", "LastPath", u"/home/anna/Fotos"_qs));
    EXPECT_EQ(ReadBytes(file), "[Fotlex]\nLastPath=/home/anna/Fotos\n");
    // Only the settings file is left: the temporary file was renamed onto it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{u"fotlex.ini"_qs});
    for (const QString &value : {u"/home/anna/Grüße ß €"_qs, u" führend"_qs, u"folgend "_qs, u"\"in Anführung\""_qs,
                                 u"'x'"_qs, u"a=b;c[d]"_qs, u"\""_qs, QString(3000, QChar(0x00E4))}) {
        EXPECT_TRUE(Write("Fotlex", "LastPath", value));
        EXPECT_EQ(Read("Fotlex", "LastPath"), value.left(2047));
    }
}

TEST_F(SettingsTest, NamesIgnoreCaseOtherLinesStayAsTheyWere)
{
    const QByteArray head = "; Kommentar\r\n\r\n[Andere]\r\nLastPath=/anders\r\n\r\n[Fotlex]\r\n";
    ASSERT_TRUE(WriteBytes(file, head + "  LastPath = \"/alt\"  \r\nLeer=\r\n\r\n[Dritte]\r\nx=1"));
    EXPECT_EQ(Read("FOTLEX", "lastpath"), u"/alt");
    EXPECT_EQ(Read("Fotlex", "Leer", u"/std"_qs), u"/std");
    EXPECT_EQ(Read("Fotlex", "Missing"), QString());
    EXPECT_TRUE(Write("Fotlex", "lastpath", u"/neu"_qs));
    EXPECT_EQ(ReadBytes(file), head + "lastpath=/neu\r\nLeer=\r\n\r\n[Dritte]\r\nx=1\n");
    EXPECT_TRUE(Write("Fotlex", "Neu", u"ja"_qs));
    EXPECT_EQ(ReadBytes(file), head + "lastpath=/neu\r\nLeer=\r\nNeu=ja\r\n\r\n[Dritte]\r\nx=1\n");
    EXPECT_TRUE(Write("Vierte", "k", u"v"_qs));
    EXPECT_TRUE(ReadBytes(file).endsWith("[Dritte]\r\nx=1\n[Vierte]\r\nk=v\r\n"));
    EXPECT_EQ(Read("andere", "lastpath"), u"/anders");
}

TEST_F(SettingsTest, JunkFiles)
{
    QByteArray binary(4096, '\0');
    QRandomGenerator random(7);
    for (char &byte : binary)
        byte = char(random.bounded(256));
    const QByteArray longLine(10 * 1024 * 1024, 'z');
    // Junk stays as it was. Duplicates: the first counts and is the one
    // rewritten. A byte-order mark is no part of the first section's name.
    const struct { QByteArray before; const char *read; QByteArray after; } cases[] = {
        {binary, "", ""},
        {"kein Abschnitt\n=leer\n[\n]]\n[Fotlex\nLastPath=/offen\n", "/offen",
         "kein Abschnitt\n=leer\n[\n]]\n[Fotlex\nLastPath=/neu\n"},
        {"LastPath=/ohne\n[Fotlex]\nLastPath=/erste\nLastPath=/zweite\n[fotlex]\nLastPath=/dritte\n", "/erste",
         "LastPath=/ohne\n[Fotlex]\nLastPath=/neu\nLastPath=/zweite\n[fotlex]\nLastPath=/dritte\n"},
        {"\xEF\xBB\xBF[Fotlex]\nLastPath=/bom\n", "/bom", "\xEF\xBB\xBF[Fotlex]\nLastPath=/neu\n"},
        {"[Fotlex]\nGross=" + longLine + "\nLastPath=/hier\n", "/hier", "[Fotlex]\nGross=" + longLine + "\nLastPath=/neu\n"}};
    for (const auto &c : cases) {
        ASSERT_TRUE(WriteBytes(file, c.before));
        EXPECT_EQ(Read("Fotlex", "LastPath"), QString::fromUtf8(c.read)) << c.read;
        EXPECT_TRUE(Write("Fotlex", "LastPath", u"/neu"_qs));
        if (c.after.isEmpty())
            EXPECT_TRUE(ReadBytes(file).startsWith(c.before)) << c.read;
        else
            EXPECT_EQ(ReadBytes(file), c.after) << c.read;
        EXPECT_EQ(Read("Fotlex", "LastPath"), u"/neu");
    }
    EXPECT_EQ(Read("Fotlex", "Gross").size(), 2047);
}

// Line breaks and names that would read back as something else are refused;
// a key starting with ";" would be a comment.
TEST_F(SettingsTest, LineBreaksAndBadNamesAreRefused)
{
    ASSERT_TRUE(WriteBytes(file, "[Fotlex]\nLastPath=/alt\n"));
    const std::pair<const char *, const char *> names[] = {
        {"Fotlex", ";LastPath"}, {"Fotlex", " ;x"}, {"Fotlex", "[x"}, {"Fot]lex", "LastPath"},
        {"Fotlex", "Last=Path"}, {"", "LastPath"}, {"Fotlex", ""}, {"Fot\nlex", "LastPath"}, {"Fotlex", "Last\rPath"}};
    for (const auto &[section, key] : names)
        EXPECT_FALSE(Write(section, key, u"/a"_qs)) << section << " " << key;
    for (const QString &value : {u"/a\n[Fotlex]\nLastPath=/b"_qs, u"/a\r"_qs})
        EXPECT_FALSE(Write("Fotlex", "LastPath", value));
    EXPECT_EQ(ReadBytes(file), "[Fotlex]\nLastPath=/alt\n");
}
