#include "app/StartFolder.h"

#include "services/Paths.h"

#include <QFileInfo>
#include <QStringList>

bool NamesImage(const QString &path)
{
    static const QStringList endings = {
        QStringLiteral(".jpg"), QStringLiteral(".jpe"), QStringLiteral("jpeg"),
        QStringLiteral(".tif"), QStringLiteral(".bmp"), QStringLiteral(".gif")};
    return endings.contains(path.right(4).toLower());
}

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
    if (NamesImage(start.commandPath)) {
        // Not FolderPart, which drops a leading separator: on this system that
        // would turn the absolute path into one relative to the working folder.
        start.folder = QFileInfo(start.commandPath).path();
        start.wanted = FileNamePart(start.commandPath);
    } else if (FolderExists(start.commandPath)) {
        start.folder = start.commandPath;
    } else {
        start.folder = rememberedFolder();
    }
    return start;
}
