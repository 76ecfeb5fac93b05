#include "app/SettingsLocation.h"

#include "TestFiles.h"
#include "app/AppGlobals.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(SettingsLocation, BesideAnExecutableInTheBuildTreeElseInTheConfigHome)
{
    const QString section = QStringLiteral("Fotlex");
    const QString home = QStringLiteral("/home/u");
    EXPECT_EQ(SettingsFileLocation("/opt/tools/Fotlex.bin", true, section, QString(), home), "/opt/tools/Fotlex.ini");
    const QString exe = QStringLiteral("/usr/bin/fotlex");
    EXPECT_EQ(SettingsFileLocation(exe, false, section, "/cfg", home), "/cfg/fotlex/Fotlex.ini");
    // A relative XDG_CONFIG_HOME is invalid and ignored.
    EXPECT_EQ(SettingsFileLocation(exe, false, section, "cfg", home), "/home/u/.config/fotlex/Fotlex.ini");

    const std::pair<const char *, bool> cases[] = {
        {"/src/build/app/fotlex", true}, {"/src/build/../build/app/fotlex", true},
        {"/src/build-asan/app/fotlex", false}, {"/src/build/../app/fotlex", false}};
    for (const auto &[executable, inTree] : cases)
        EXPECT_EQ(RunsFromBuildTree(executable, "/src/build/"), inTree) << executable;

    // This test program lies in the build tree.
    const QString self = QCoreApplication::applicationFilePath();
    EXPECT_EQ(SettingsFileFor(self, section), QFileInfo(self).absolutePath() + "/" + QFileInfo(self).completeBaseName() + ".ini");
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
    SettingsFile = savedFile;
    AppPath = savedApp;
}
