#include "services/Paths.h"

#include <QFileInfo>

QString FolderPrefix(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString FileNamePart(const QString &path)
{
    return QFileInfo(path).fileName();
}

bool FileExists(const QString &path)
{
    const QFileInfo file(path);
    return file.exists() && !file.isDir() && file.isReadable();
}

bool FolderExists(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable();
}
