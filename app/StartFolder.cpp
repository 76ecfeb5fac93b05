#include "app/StartFolder.h"

#include "services/Paths.h"

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
        start.folder = FolderPart(start.commandPath);
        start.wanted = FileNamePart(start.commandPath);
    } else if (FolderExists(start.commandPath)) {
        start.folder = start.commandPath;
    } else {
        start.folder = rememberedFolder();
    }
    return start;
}
