#include "app/StartFolder.h"

#include "services/ImageTypes.h"
#include "services/Paths.h"

#include <QDir>
#include <QFileInfo>

StartFolder DecideStartFolder(const QString &commandLine,
                              const std::function<QString()> &rememberedFolder)
{
    StartFolder start;
    if (commandLine.isEmpty()) {
        start.folder = rememberedFolder();
        return start;
    }
    const QFileInfo path(QDir::cleanPath(QFileInfo(commandLine).absoluteFilePath()));
    start.commandPath = path.filePath();
    if (IsImageFileName(start.commandPath)) {
        start.folder = path.absolutePath();
        start.wanted = path.fileName();
    } else if (FolderExists(start.commandPath)) {
        start.folder = start.commandPath;
    } else {
        start.folder = rememberedFolder();
    }
    return start;
}

QString AbsoluteCommandPath(const QStringList &arguments)
{
    const QString path = arguments.join(QLatin1Char(' '));
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}
