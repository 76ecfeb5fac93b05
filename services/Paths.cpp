#include "services/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString AddBackslash(QString &path, QChar separator)
{
    if (!path.endsWith(separator))
        path += separator;
    return path;
}

QString FolderPart(const QString &path, QChar separator)
{
    // On "/" paths a leading separator is the root of an absolute path:
    // dropping it, as "\" paths do, would make every such path relative.
    const bool rooted = separator == QLatin1Char('/') && path.startsWith(separator);
    QString copy = path;
    if (copy.startsWith(separator) && !rooted)
        copy.remove(0, 1);
    if (copy.endsWith(separator) && copy.size() > 1)
        copy.chop(1);
    const qsizetype last = copy.lastIndexOf(separator);
    if (last < 0)
        return copy;
    return rooted && last == 0 ? QString(separator) : copy.left(last);
}

QString FileNamePart(const QString &path, QChar separator)
{
    QString copy = path;
    if (copy.endsWith(separator))
        copy.chop(1);
    return copy.mid(copy.lastIndexOf(separator) + 1);
}

// The entry of `folder` that the file system stores for `name`: the name
// itself where it exists as typed, otherwise the entry it matches when the
// file system ignores case.
static QString StoredSpelling(const QString &folder, const QString &name)
{
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    if (entries.contains(name))
        return name;
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

QString LongNameOf(const QString &path)
{
    if (path.isEmpty())
        return path;
    const QFileInfo info(path);
    if (!info.exists())
        return path;
    const QString absolute = QDir::cleanPath(info.absoluteFilePath());
    const QStringList parts = absolute.split(QLatin1Char('/'));
    QString result;
    for (const QString &part : parts) {
        if (part.isEmpty())
            continue;
        result += QLatin1Char('/') + StoredSpelling(result.isEmpty() ? QStringLiteral("/") : result, part);
    }
    return QDir::toNativeSeparators(result.isEmpty() ? QStringLiteral("/") : result);
}

bool FileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st {};
    const bool isFile = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
    ::close(fd);
    return isFile;
}

bool FolderExists(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return false;
    ::closedir(dir);
    return true;
}

// Makes one level; an existing folder is fine, and the level must then be
// a folder the next level can be made in.
static bool MakeLevel(const QByteArray &level)
{
    if (::mkdir(level.constData(), 0777) != 0 && errno != EEXIST)
        return false;
    struct stat st {};
    return ::stat(level.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateFolderPath(QString &folder)
{
    if (folder.isEmpty())
        return false;
    AddBackslash(folder);
    const QByteArray path = QFile::encodeName(folder);
    for (qsizetype pos = path.indexOf('/', 1); pos >= 0; pos = path.indexOf('/', pos + 1)) {
        if (path.at(pos - 1) == '/')
            continue;
        if (!MakeLevel(path.left(pos)))
            return false;
    }
    return true;
}

QString StripQuotes(QString &text)
{
    const qsizetype length = text.size();
    for (qsizetype i = 0; i < length; ++i) {
        if (i < text.size() && text.at(i) == QLatin1Char('"')) {
            text.remove(i, 1);
            ++i;
        }
    }
    return text;
}

void FilterNameKey(int &keyCode, int mode)
{
    if (mode != 1)
        return;
    switch (keyCode) {
    case 3: case 8: case 13: case 22:
    case 32: case 33: case 38: case 39: case 43: case 45:
    case 63: case 64:
        return;
    default:
        break;
    }
    const bool refused = keyCode < 48 || (keyCode >= 58 && keyCode <= 62)
        || (keyCode >= 91 && keyCode <= 94);
    if (refused)
        keyCode = 0;
}
