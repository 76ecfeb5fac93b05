#include "app/SettingsLocation.h"

#include "app/AppGlobals.h"
#include "services/Paths.h"
#include "services/Settings.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString LastPathKey = QStringLiteral("LastPath");
const QString WindowKey = QStringLiteral("Window");

bool WriteKey(const QString &key, const QString &value)
{
    QDir().mkpath(QFileInfo(SettingsFile).absolutePath());
    return WriteSetting(SettingsSection, key, value, SettingsFile);
}

}

QString SettingsFileLocation(const QString &executable, bool besideExecutable,
                             const QString &section, const QString &xdgConfigHome,
                             const QString &home)
{
    const QFileInfo exe(LongNameOf(executable));
    if (besideExecutable)
        return exe.absolutePath() + QLatin1Char('/') + exe.completeBaseName()
               + QStringLiteral(".ini");
    const QString configHome = QDir::isAbsolutePath(xdgConfigHome)
                                   ? xdgConfigHome
                                   : home + QStringLiteral("/.config");
    return QDir::cleanPath(configHome + QStringLiteral("/fotlex/") + section
                           + QStringLiteral(".ini"));
}

bool RunsFromBuildTree(const QString &executable, const QString &buildTree)
{
    const QString tree = QDir::cleanPath(buildTree) + QLatin1Char('/');
    return QDir::cleanPath(executable).startsWith(tree);
}

QString SettingsFileFor(const QString &executable, const QString &section)
{
    const QFileInfo exe(executable);
    // Canonical paths on both sides, so a symlinked build folder still counts.
    const QString buildTree = QFileInfo(QStringLiteral(FOTLEX_BUILD_TREE)).canonicalFilePath();
    const bool beside = !buildTree.isEmpty()
                        && RunsFromBuildTree(exe.canonicalFilePath(), buildTree)
                        && QFileInfo(exe.absolutePath()).isWritable();
    return SettingsFileLocation(executable, beside, section,
                                qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath());
}

QString RememberedLastPath()
{
    return ReadSetting(SettingsSection, LastPathKey, SettingsFile, AppPath);
}

bool RememberLastPath(const QString &folder)
{
    return WriteKey(LastPathKey, folder);
}

QByteArray RememberedWindowGeometry()
{
    return QByteArray::fromBase64(ReadSetting(SettingsSection, WindowKey, SettingsFile, QString()).toLatin1());
}

bool RememberWindowGeometry(const QByteArray &geometry)
{
    return WriteKey(WindowKey, QString::fromLatin1(geometry.toBase64()));
}
