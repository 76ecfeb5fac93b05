#include "rename/MadeFolders.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

FileOpResult MakeFolders(const QString &base, const QString &relative,
                         const std::function<FileOpResult(const QString &folder)> &note)
{
    QString folder = base;
    for (const QString &name : relative.split(u'/', Qt::SkipEmptyParts)) {
        folder += name + u'/';
        const QByteArray path = QFile::encodeName(folder);
        struct stat st {};
        if (::stat(path.constData(), &st) == 0) {
            if (!S_ISDIR(st.st_mode))
                return {ENOTDIR};
            continue;
        }
        if (errno != ENOENT)
            return {errno};
        if (note) {
            if (const FileOpResult noted = note(folder); !noted.ok())
                return noted;
        }
        if (::mkdir(path.constData(), 0777) != 0 && errno != EEXIST)
            return {errno};
    }
    return {};
}

QStringList RemoveEmptyFolders(const std::vector<QString> &folders)
{
    QStringList kept;
    for (auto it = folders.rbegin(); it != folders.rend(); ++it) {
        // rmdir removes a folder only while it is empty: what the user put
        // there since keeps it.
        if (::rmdir(QFile::encodeName(*it).constData()) != 0 && errno != ENOENT)
            kept << *it;
    }
    return kept;
}
