#include "app/SettingsLocation.h"

#include "TestFiles.h"
#include "app/AppGlobals.h"
#include "services/Settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(SettingsLocation, BesideAnExecutableInTheBuildTreeElseInTheConfigHome)
{
    const QString section = QStringLiteral("Fotlex");
    const QString home = QStringLiteral("/home/u");
    EXPECT_EQ(SettingsFileLocation("/opt/tools/fotlex", true, section, QString(), home), "/opt/tools/fotlex.ini");
    EXPECT_EQ(SettingsFileLocation("/opt/tools/Fotlex.bin", true, section, QString(), home), "/opt/tools/Fotlex.ini");

    const QString exe = QStringLiteral("/usr/bin/fotlex");
    EXPECT_EQ(SettingsFileLocation(exe, false, section, "/cfg", home), "/cfg/fotlex/Fotlex.ini");
    EXPECT_EQ(SettingsFileLocation(exe, false, section, QString(), home), "/home/u/.config/fotlex/Fotlex.ini");
    // A relative XDG_CONFIG_HOME is invalid and ignored.
    EXPECT_EQ(SettingsFileLocation(exe, false, section, "cfg", home), "/home/u/.config/fotlex/Fotlex.ini");

    const struct {
        const char *executable;
        bool inTree;
    } cases[] = {
        {"/src/build/app/fotlex", true},
        {"/src/build/../build/app/fotlex", true},
        {"/src/build-asan/app/fotlex", false},
        {"/src/build/../app/fotlex", false},
        {"/usr/bin/fotlex", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RunsFromBuildTree(c.executable, "/src/build/"), c.inTree) << c.executable;

    // This test program lies in the build tree, a copy elsewhere does not.
    const QString self = QCoreApplication::applicationFilePath();
    EXPECT_EQ(SettingsFileFor(self, section), QFileInfo(self).absolutePath() + "/" + QFileInfo(self).completeBaseName() + ".ini");
    QTemporaryDir dir;
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    EXPECT_EQ(SettingsFileFor(WriteFile(dir.filePath("fotlex")), section), dir.filePath("fotlex/Fotlex.ini"));
    qputenv("XDG_CONFIG_HOME", savedConfig);
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
