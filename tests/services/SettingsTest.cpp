#include "services/Settings.h"

#include "Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::chmod(QFile::encodeName(dir.path()).constData(), 0777);
        file = dir.filePath(QStringLiteral("fotlex.ini"));
    }

    void WriteFile(const QByteArray &bytes)
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

    QByteArray FileBytes() const
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    QString Read(const char *section, const char *key, const QString &defaultValue = QString()) const
    {
        return ReadSetting(QString::fromUtf8(section), QString::fromUtf8(key), file, defaultValue);
    }

    bool Write(const char *section, const char *key, const QString &value) const
    {
        return WriteSetting(QString::fromUtf8(section), QString::fromUtf8(key), value, file);
    }

    QTemporaryDir dir;
    QString file;
};

}

TEST_F(SettingsTest, MissingFileIsCreatedWithSectionAndEntry)
{
    EXPECT_EQ(Read("Fotlex", "LastPath", QStringLiteral("/opt")), QStringLiteral("/opt"));
    EXPECT_TRUE(Write("Fotlex", "LastPath", QStringLiteral("/home/anna/Fotos")));
    EXPECT_EQ(FileBytes(), QByteArray("[Fotlex]\nLastPath=/home/anna/Fotos\n"));
    EXPECT_EQ(Read("Fotlex", "LastPath"), QStringLiteral("/home/anna/Fotos"));
    // Only the settings file is left: the temporary file was renamed onto it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("fotlex.ini")});
}

TEST_F(SettingsTest, NamesMatchWithoutRegardToCase)
{
    WriteFile("[Fotlex]\nLastPath=/home/anna\n");
    EXPECT_EQ(Read("fotlex", "lastpath"), QStringLiteral("/home/anna"));
    EXPECT_EQ(Read("FOTLEX", "LASTPATH"), QStringLiteral("/home/anna"));
    EXPECT_TRUE(Write("FOTLEX", "lastpath", QStringLiteral("/neu")));
    EXPECT_EQ(FileBytes(), QByteArray("[Fotlex]\nlastpath=/neu\n"));
}

TEST_F(SettingsTest, EmptyOrMissingValuesReadAsTheDefault)
{
    WriteFile("[Fotlex]\nLastPath=\nOther=  \n");
    EXPECT_EQ(Read("Fotlex", "LastPath", QStringLiteral("/std")), QStringLiteral("/std"));
    EXPECT_EQ(Read("Fotlex", "Other", QStringLiteral("/std")), QStringLiteral("/std"));
    EXPECT_EQ(Read("Fotlex", "Missing"), QString());
    EXPECT_EQ(Read("Andere", "LastPath"), QString());
}

TEST_F(SettingsTest, LongValuesAreCutTo2047Characters)
{
    const QString value(3000, QLatin1Char('x'));
    EXPECT_TRUE(Write("Fotlex", "LastPath", value));
    EXPECT_EQ(Read("Fotlex", "LastPath"), value.left(2047));
    const QString exact(2047, QChar(0x00E4));
    EXPECT_TRUE(Write("Fotlex", "LastPath", exact));
    EXPECT_EQ(Read("Fotlex", "LastPath"), exact);
}

TEST_F(SettingsTest, ValuesComeBackAsWritten)
{
    for (const QString &value : {QStringLiteral("/home/anna/Grüße ß €"), QStringLiteral(" führend"),
                                 QStringLiteral("folgend "), QStringLiteral("\"in Anführung\""),
                                 QStringLiteral("'x'"), QStringLiteral("a=b;c[d]"), QStringLiteral("\"")}) {
        EXPECT_TRUE(Write("Fotlex", "LastPath", value));
        EXPECT_EQ(Read("Fotlex", "LastPath"), value);
    }
}

TEST_F(SettingsTest, OtherLinesStayAsTheyWere)
{
    const QByteArray before = "; Kommentar\r\n\r\n[Andere]\r\nLastPath=/anders\r\n\r\n"
                              "[Fotlex]\r\n  LastPath = \"/alt\"  \r\nZoom=2\r\n\r\n[Dritte]\r\nx=1";
    WriteFile(before);
    EXPECT_EQ(Read("Fotlex", "LastPath"), QStringLiteral("/alt"));
    EXPECT_EQ(Read("Fotlex", "Zoom"), QStringLiteral("2"));
    EXPECT_TRUE(Write("Fotlex", "LastPath", QStringLiteral("/neu")));
    EXPECT_EQ(FileBytes(), QByteArray("; Kommentar\r\n\r\n[Andere]\r\nLastPath=/anders\r\n\r\n"
                                      "[Fotlex]\r\nLastPath=/neu\r\nZoom=2\r\n\r\n[Dritte]\r\nx=1\n"));
    EXPECT_TRUE(Write("Fotlex", "Neu", QStringLiteral("ja")));
    EXPECT_EQ(FileBytes(), QByteArray("; Kommentar\r\n\r\n[Andere]\r\nLastPath=/anders\r\n\r\n"
                                      "[Fotlex]\r\nLastPath=/neu\r\nZoom=2\r\nNeu=ja\r\n\r\n[Dritte]\r\nx=1\n"));
    EXPECT_TRUE(Write("Vierte", "k", QStringLiteral("v")));
    EXPECT_TRUE(FileBytes().endsWith("[Dritte]\r\nx=1\n[Vierte]\r\nk=v\r\n"));
    EXPECT_EQ(Read("andere", "lastpath"), QStringLiteral("/anders"));
    EXPECT_EQ(Read("dritte", "X"), QStringLiteral("1"));
}

TEST_F(SettingsTest, DuplicatesAndEntriesOutsideSections)
{
    WriteFile("LastPath=/ohne\n[Fotlex]\nLastPath=/erste\nLastPath=/zweite\n[fotlex]\nLastPath=/dritte\n");
    EXPECT_EQ(Read("Fotlex", "LastPath"), QStringLiteral("/erste"));
    EXPECT_TRUE(Write("Fotlex", "LastPath", QStringLiteral("/neu")));
    EXPECT_EQ(FileBytes(), QByteArray("LastPath=/ohne\n[Fotlex]\nLastPath=/neu\nLastPath=/zweite\n"
                                      "[fotlex]\nLastPath=/dritte\n"));
}

TEST_F(SettingsTest, JunkFiles)
{
    QByteArray binary(4096, '\0');
    QRandomGenerator random(7);
    for (char &byte : binary)
        byte = char(random.bounded(256));
    WriteFile(binary);
    EXPECT_EQ(Read("Fotlex", "LastPath", QStringLiteral("/std")), QStringLiteral("/std"));
    EXPECT_TRUE(Write("Fotlex", "LastPath", QStringLiteral("/neu")));
    EXPECT_TRUE(FileBytes().startsWith(binary));
    EXPECT_EQ(Read("Fotlex", "LastPath"), QStringLiteral("/neu"));

    WriteFile("kein Abschnitt\n=leer\n[\n]]\n[Fotlex\nLastPath=/offen\n");
    EXPECT_EQ(Read("Fotlex", "LastPath"), QStringLiteral("/offen"));

    WriteFile(QByteArray("[Fotlex]\nLastPath=/a\0b\n", 22));
    EXPECT_FALSE(Read("Fotlex", "LastPath").isEmpty());
}

TEST_F(SettingsTest, TenMegabyteLine)
{
    const QByteArray line(10 * 1024 * 1024, 'z');
    WriteFile("[Fotlex]\nGross=" + line + "\nLastPath=/hier\n");
    EXPECT_EQ(Read("Fotlex", "Gross").size(), 2047);
    EXPECT_EQ(Read("Fotlex", "LastPath"), QStringLiteral("/hier"));
    EXPECT_TRUE(Write("Fotlex", "LastPath", QStringLiteral("/neu")));
    EXPECT_EQ(FileBytes(), "[Fotlex]\nGross=" + line + "\nLastPath=/neu\n");
}

TEST_F(SettingsTest, LineBreaksAreRefused)
{
    WriteFile("[Fotlex]\nLastPath=/alt\n");
    EXPECT_FALSE(Write("Fotlex", "LastPath", QStringLiteral("/a\n[Fotlex]\nLastPath=/b")));
    EXPECT_FALSE(Write("Fotlex", "LastPath", QStringLiteral("/a\r")));
    EXPECT_FALSE(Write("Fot]lex", "LastPath", QStringLiteral("/a")));
    EXPECT_FALSE(Write("Fotlex", "Last=Path", QStringLiteral("/a")));
    EXPECT_FALSE(Write("", "LastPath", QStringLiteral("/a")));
    EXPECT_FALSE(Write("Fotlex", "", QStringLiteral("/a")));
    EXPECT_EQ(FileBytes(), QByteArray("[Fotlex]\nLastPath=/alt\n"));
}

TEST_F(SettingsTest, ReadOnlyFolderAndFile)
{
    const QString folder = dir.filePath(QStringLiteral("nurlesen"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString inside = folder + QStringLiteral("/fotlex.ini");
    {
        QFile out(inside);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("[Fotlex]\nLastPath=/alt\n");
    }
    ::chmod(QFile::encodeName(inside).constData(), 0666);
    ::chmod(QFile::encodeName(folder).constData(), 0555);
    const QString missing = folder + QStringLiteral("/neu.ini");
    EXPECT_TRUE(RunUnprivileged([&] {
        // The temporary file cannot be made beside the settings file.
        return !WriteSetting(QStringLiteral("Fotlex"), QStringLiteral("LastPath"), QStringLiteral("/neu"), inside)
            && !WriteSetting(QStringLiteral("Fotlex"), QStringLiteral("LastPath"), QStringLiteral("/neu"), missing)
            && ReadSetting(QStringLiteral("Fotlex"), QStringLiteral("LastPath"), inside) == QStringLiteral("/alt");
    }));
    EXPECT_FALSE(QFile::exists(missing));

    WriteFile("[Fotlex]\nLastPath=/alt\n");
    ::chmod(QFile::encodeName(file).constData(), 0444);
    EXPECT_TRUE(RunUnprivileged([&] { return !Write("Fotlex", "LastPath", QStringLiteral("/neu")); }));
    EXPECT_EQ(Read("Fotlex", "LastPath"), QStringLiteral("/alt"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("fotlex.ini")});
    ::chmod(QFile::encodeName(folder).constData(), 0755);
}

TEST_F(SettingsTest, RewriteKeepsPermissionsAndFollowsALink)
{
    WriteFile("[Fotlex]\nLastPath=/alt\n");
    ::chmod(QFile::encodeName(file).constData(), 0600);
    EXPECT_TRUE(Write("Fotlex", "LastPath", QStringLiteral("/neu")));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);

    const QString link = dir.filePath(QStringLiteral("verweis.ini"));
    ASSERT_TRUE(QFile::link(file, link));
    EXPECT_TRUE(WriteSetting(QStringLiteral("Fotlex"), QStringLiteral("LastPath"), QStringLiteral("/link"), link));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(Read("Fotlex", "LastPath"), QStringLiteral("/link"));
}

TEST_F(SettingsTest, FolderInsteadOfFile)
{
    ASSERT_TRUE(QDir().mkdir(file));
    EXPECT_EQ(Read("Fotlex", "LastPath", QStringLiteral("/std")), QStringLiteral("/std"));
    EXPECT_FALSE(Write("Fotlex", "LastPath", QStringLiteral("/neu")));
    EXPECT_FALSE(WriteSetting(QStringLiteral("Fotlex"), QStringLiteral("LastPath"), QStringLiteral("/neu"),
                              dir.filePath(QStringLiteral("fehlt/fotlex.ini"))));
}
