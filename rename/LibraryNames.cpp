#include "rename/LibraryNames.h"

#include "services/VerifiedCopy.h"

#include <QFile>

#include <sys/stat.h>

namespace {

// The file's size, or -1.
qint64 SizeOf(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode) ? qint64(st.st_size) : -1;
}

} // namespace

bool SameContent(const QString &a, const QString &b)
{
    const qint64 size = SizeOf(a);
    if (size < 0 || size != SizeOf(b))
        return false;
    FileOpResult errorA, errorB;
    const uint64_t hashA = ContentHash(a, errorA);
    return errorA.ok() && hashA == ContentHash(b, errorB) && errorB.ok();
}

PlannedName PlanIntoLibrary(const QString &source, const QString &base, const QString &extension, bool lettersOnly,
                            const FolderNames &names, const FileAtName &fileAt)
{
    QString free;
    for (char16_t letter = lettersOnly ? u'a' : u'a' - 1; letter <= u'z'; ++letter) {
        const QString name = base + (letter < u'a' ? QString() : QString(QChar(letter))) + extension;
        if (!names.contains(name)) {
            if (free.isEmpty())
                free = name;
        } else if (SameContent(source, fileAt(name))) {
            return {PlanKind::AlreadyPresent, name};
        }
    }
    if (free.isEmpty())
        return {PlanKind::LettersTaken, base + u'z' + extension};
    return {PlanKind::Rename, free};
}

PlannedName FollowIntoLibrary(const QString &source, const QString &name, const FolderNames &names,
                              const FileAtName &fileAt)
{
    if (!names.contains(name))
        return {PlanKind::Rename, name};
    return {SameContent(source, fileAt(name)) ? PlanKind::AlreadyPresent : PlanKind::NameTaken, name};
}
