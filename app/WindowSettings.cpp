#include "app/WindowSettings.h"

#include "services/Settings.h"
#include "ui/Ui.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString LastPathKey = QStringLiteral("LastPath");
const QString WindowKey = QStringLiteral("Window");
const QString PatternKey = QStringLiteral("NamePattern");
const QString LibraryKey = QStringLiteral("Library");

}

WindowSettings WindowSettings::ForProgram(const QString &executable)
{
    const QFileInfo exe(executable);
    // Canonical paths on both sides, so a symlinked build folder still counts.
    const QString buildTree = QFileInfo(QStringLiteral(FOTLEX_BUILD_TREE)).canonicalFilePath();
    if (!buildTree.isEmpty() && exe.canonicalFilePath().startsWith(buildTree + QLatin1Char('/'))
        && QFileInfo(exe.absolutePath()).isWritable())
        return {exe.absolutePath() + QLatin1Char('/') + exe.completeBaseName() + QStringLiteral(".ini"),
                exe.absolutePath()};
    // GenericConfigLocation, not AppConfigLocation: the file must not depend
    // on which of the two programs asks.
    return {QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/fotlex/")
                + ProgramName + QStringLiteral(".ini"),
            exe.absolutePath()};
}

WindowSettings::WindowSettings(QString file, QString firstFolder)
    : file_(std::move(file)), firstFolder_(std::move(firstFolder))
{
}

QString WindowSettings::lastPath() const
{
    return ReadSetting(ProgramName, LastPathKey, file_, firstFolder_);
}

bool WindowSettings::rememberLastPath(const QString &folder) const
{
    return write(LastPathKey, folder);
}

QByteArray WindowSettings::windowGeometry() const
{
    return readBytes(WindowKey);
}

bool WindowSettings::rememberWindowGeometry(const QByteArray &geometry) const
{
    return writeBytes(WindowKey, geometry);
}

QByteArray WindowSettings::splitterState(const QString &key) const
{
    return readBytes(key);
}

bool WindowSettings::rememberSplitterState(const QString &key, const QByteArray &state) const
{
    return writeBytes(key, state);
}

QByteArray WindowSettings::readBytes(const QString &key) const
{
    return QByteArray::fromBase64(ReadSetting(ProgramName, key, file_).toLatin1());
}

bool WindowSettings::writeBytes(const QString &key, const QByteArray &bytes) const
{
    return write(key, QString::fromLatin1(bytes.toBase64()));
}

bool WindowSettings::write(const QString &key, const QString &value) const
{
    QDir().mkpath(QFileInfo(file_).absolutePath());
    return WriteSetting(ProgramName, key, value, file_);
}

QString WindowSettings::namePattern() const
{
    return ReadSetting(ProgramName, PatternKey, file_, QString());
}

bool WindowSettings::rememberNamePattern(const QString &pattern) const
{
    return write(PatternKey, pattern);
}

QString WindowSettings::library() const
{
    const QString folder = ReadSetting(ProgramName, LibraryKey, file_, QString());
    const QFileInfo info(folder);
    return info.isAbsolute() && info.isDir() ? folder : QString();
}

bool WindowSettings::rememberLibrary(const QString &folder) const
{
    return write(LibraryKey, folder);
}
