#pragma once

#include "services/SafeRename.h"

#include <QHash>
#include <QString>
#include <QStringList>

// Every entry of the folder (files, folders, hidden ones) but "." and "..".
// `error` tells why the folder could not be read in full.
QStringList FolderEntries(const QString &folder, FileOpResult &error);

// The names a folder holds, compared ignoring letter case: on a memory card or
// a Windows disk X.JPG and x.jpg are one name, so a batch must treat them so
// on every file system. A batch keeps this up to date as it renames instead of
// asking the disk for each candidate name.
class FolderNames
{
public:
    // Every entry of the folder (files, folders, hidden ones). `error` tells
    // why the folder could not be read; the set is then empty.
    static FolderNames read(const QString &folder, FileOpResult &error);
    // The names of entries listed already.
    static FolderNames of(const QStringList &entries);

    bool contains(const QString &name) const;
    void add(const QString &name);
    void remove(const QString &name);
    void renamed(const QString &from, const QString &to);

    static QString key(const QString &name);

private:
    // Folded name -> how many entries fold to it (a Linux folder may hold
    // both X.JPG and x.jpg).
    QHash<QString, int> counts_;
};
