#include "app/StartFolder.h"

#include "services/ImageTypes.h"
#include "services/Paths.h"

#include <QFileInfo>

StartFolder DecideStartFolder(const QString &commandLine,
                              const std::function<QString()> &rememberedFolder)
{
    StartFolder start;
    if (commandLine.isEmpty()) {
        start.folder = rememberedFolder();
        return start;
    }
    QString path = commandLine;
    StripQuotes(path);
    start.commandPath = LongNameOf(path);
    if (IsImageFileName(start.commandPath)) {
        start.folder = FolderPart(start.commandPath);
        start.wanted = FileNamePart(start.commandPath);
    } else if (FolderExists(start.commandPath)) {
        start.folder = start.commandPath;
    } else {
        start.folder = rememberedFolder();
    }
    return start;
}

QString AbsoluteCommandPath(const QStringList &arguments)
{
    QString path = arguments.join(QLatin1Char(' '));
    StripQuotes(path);
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}
