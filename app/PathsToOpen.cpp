#include "app/PathsToOpen.h"

#include "services/ImageTypes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

struct PathsText
{
    Q_DECLARE_TR_FUNCTIONS(PathsText)
};

}

PathsToOpen SortPaths(const QStringList &paths)
{
    PathsToOpen sorted;
    for (const QString &given : paths) {
        const QString path = QDir::cleanPath(given);
        const QFileInfo file(path);
        if (!file.exists()) {
            sorted.missing << path;
        } else if (file.isDir()) {
            if (sorted.folder.isEmpty())
                sorted.folder = path;
            else
                sorted.elsewhere << path;
        } else if (!IsImageFileName(path)) {
            sorted.notPhotos << path;
        } else {
            const QString folder = file.absolutePath();
            if (sorted.folder.isEmpty())
                sorted.folder = folder;
            if (folder == sorted.folder)
                sorted.wanted << file.fileName();
            else
                sorted.elsewhere << path;
        }
    }
    return sorted;
}

QString PathsNotFollowedText(const PathsToOpen &paths)
{
    QStringList parts;
    const auto list = [](const QStringList &names) { return names.join(u'\n'); };
    if (!paths.missing.isEmpty())
        parts << PathsText::tr("Nicht gefunden:\n%1").arg(list(paths.missing));
    if (!paths.elsewhere.isEmpty())
        parts << PathsText::tr("Nicht ausgewählt, da nicht im Ordner %1:\n%2").arg(paths.folder, list(paths.elsewhere));
    if (!paths.notPhotos.isEmpty())
        parts << PathsText::tr("Keine Fotos:\n%1").arg(list(paths.notPhotos));
    return parts.join(QStringLiteral("\n\n"));
}

QString FolderUnreadableText(const QString &folder)
{
    return PathsText::tr("Der Ordner '%1' kann nicht gelesen werden.").arg(folder);
}
