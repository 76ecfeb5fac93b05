#include "app/SettingsLocation.h"

#include "app/AppGlobals.h"
#include "services/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(SettingsLocation, BesideAWritableExecutable)
{
    EXPECT_EQ(SettingsFileLocation(QStringLiteral("/opt/tools/fotlex"), true,
                                   QStringLiteral("Fotlex"), QString(), QStringLiteral("/home/u")),
              QStringLiteral("/opt/tools/fotlex.ini"));
    EXPECT_EQ(SettingsFileLocation(QStringLiteral("/opt/tools/Fotlex.bin"), true,
                                   QStringLiteral("Fotlex"), QString(), QStringLiteral("/home/u")),
              QStringLiteral("/opt/tools/Fotlex.ini"));
}

TEST(SettingsLocation, ConfigHomeWhenTheFolderIsReadOnly)
{
    const QString exe = QStringLiteral("/usr/bin/fotlex");
    const QString section = QStringLiteral("Fotlex");
    const QString home = QStringLiteral("/home/u");
    EXPECT_EQ(SettingsFileLocation(exe, false, section, QStringLiteral("/cfg"), home),
              QStringLiteral("/cfg/fotlex/Fotlex.ini"));
    EXPECT_EQ(SettingsFileLocation(exe, false, section, QString(), home),
              QStringLiteral("/home/u/.config/fotlex/Fotlex.ini"));
    // A relative XDG_CONFIG_HOME is invalid and ignored.
    EXPECT_EQ(SettingsFileLocation(exe, false, section, QStringLiteral("cfg"), home),
              QStringLiteral("/home/u/.config/fotlex/Fotlex.ini"));
}

TEST(SettingsLocation, WritableFolderIsDetected)
{
    QTemporaryDir dir;
    QFile exe(dir.path() + QStringLiteral("/Fotlex"));
    ASSERT_TRUE(exe.open(QIODevice::WriteOnly));
    exe.close();
    EXPECT_EQ(SettingsFileFor(dir.path() + QStringLiteral("/Fotlex"), QStringLiteral("Fotlex")),
              dir.path() + QStringLiteral("/Fotlex.ini"));
}

TEST(SettingsLocation, LastPathRoundTripCreatesTheFolder)
{
    QTemporaryDir dir;
    const QString savedFile = SettingsFile;
    const QString savedApp = AppPath;
    SettingsFile = dir.path() + QStringLiteral("/cfg/fotlex/Fotlex.ini");
    AppPath = QStringLiteral("/app/");

    EXPECT_EQ(RememberedLastPath(), QStringLiteral("/app/"));
    EXPECT_TRUE(RememberLastPath(QStringLiteral("/home/u/Bilder")));
    EXPECT_EQ(RememberedLastPath(), QStringLiteral("/home/u/Bilder"));
    EXPECT_EQ(ReadSetting(QStringLiteral("Fotlex"), QStringLiteral("LastPath"), SettingsFile),
              QStringLiteral("/home/u/Bilder"));

    SettingsFile = savedFile;
    AppPath = savedApp;
}
