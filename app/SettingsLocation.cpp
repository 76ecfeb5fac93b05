#include "app/SettingsLocation.h"

#include "app/AppGlobals.h"
#include "services/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString LastPathKey = QStringLiteral("LastPath");
const QString WindowKey = QStringLiteral("Window");
const QString PatternKey = QStringLiteral("NamePattern");

bool WriteKey(const QString &key, const QString &value)
{
    QDir().mkpath(QFileInfo(SettingsFile).absolutePath());
    return WriteSetting(SettingsSection, key, value, SettingsFile);
}

}

QString SettingsFileFor(const QString &executable, const QString &section)
{
    const QFileInfo exe(executable);
    // Canonical paths on both sides, so a symlinked build folder still counts.
    const QString buildTree = QFileInfo(QStringLiteral(FOTLEX_BUILD_TREE)).canonicalFilePath();
    if (!buildTree.isEmpty() && exe.canonicalFilePath().startsWith(buildTree + QLatin1Char('/'))
        && QFileInfo(exe.absolutePath()).isWritable())
        return exe.absolutePath() + QLatin1Char('/') + exe.completeBaseName() + QStringLiteral(".ini");
    // GenericConfigLocation, not AppConfigLocation: the file must not depend
    // on which of the two programs asks.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/fotlex/")
           + section + QStringLiteral(".ini");
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

QString RememberedNamePattern()
{
    return ReadSetting(SettingsSection, PatternKey, SettingsFile, QString());
}

bool RememberNamePattern(const QString &pattern)
{
    return WriteKey(PatternKey, pattern);
}
