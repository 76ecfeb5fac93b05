#include "rename/FolderNames.h"

#include "services/FolderListing.h"

#include <QFile>

#include <cerrno>
#include <dirent.h>

QStringList FolderEntries(const QString &folder, FileOpResult &error)
{
    QStringList entries;
    error = {};
    const QByteArray encoded = QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder);
    DIR *dir = opendir(encoded.constData());
    if (!dir) {
        error.error = errno;
        return entries;
    }
    for (;;) {
        errno = 0;
        const dirent *entry = readdir(dir);
        if (!entry) {
            error.error = errno;
            break;
        }
        if (IsDotOrDotDot(entry->d_name))
            continue;
        entries << QFile::decodeName(entry->d_name);
    }
    closedir(dir);
    return entries;
}

FolderNames FolderNames::read(const QString &folder, FileOpResult &error)
{
    const QStringList entries = FolderEntries(folder, error);
    return error.ok() ? of(entries) : FolderNames();
}

FolderNames FolderNames::of(const QStringList &entries)
{
    FolderNames names;
    names.counts_.reserve(entries.size());
    for (const QString &name : entries)
        names.add(name);
    return names;
}

QString FolderNames::key(const QString &name)
{
    // Photo names are nearly always ASCII, where folding is lowering; Qt's
    // full folding costs as much as reading the file's EXIF block. A name
    // already folded is handed back without a copy.
    qsizetype first = 0;
    for (; first < name.size(); ++first) {
        const char16_t u = name.at(first).unicode();
        if (u >= 0x80)
            return name.toCaseFolded();
        if (u >= u'A' && u <= u'Z')
            break;
    }
    if (first == name.size())
        return name;
    QString folded = name;
    for (QChar &c : folded) {
        const char16_t u = c.unicode();
        if (u >= 0x80)
            return name.toCaseFolded();
        if (u >= u'A' && u <= u'Z')
            c = QChar(char16_t(u + (u'a' - u'A')));
    }
    return folded;
}

bool FolderNames::contains(const QString &name) const
{
    return counts_.contains(key(name));
}

void FolderNames::add(const QString &name)
{
    ++counts_[key(name)];
}

void FolderNames::remove(const QString &name)
{
    const auto it = counts_.find(key(name));
    if (it == counts_.end())
        return;
    if (--it.value() <= 0)
        counts_.erase(it);
}

void FolderNames::renamed(const QString &from, const QString &to)
{
    remove(from);
    add(to);
}
