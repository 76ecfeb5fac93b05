#include "rename/ShotFiles.h"

#include "rename/FolderNames.h"
#include "services/ImageTypes.h"

namespace {

QString ExtensionOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.mid(dot).toLower() : QString();
}

} // namespace

bool IsCompanionName(const QString &name)
{
    static const QStringList types = {
        QStringLiteral(".xmp"), QStringLiteral(".aae"), QStringLiteral(".pp3"), QStringLiteral(".dop"),
        QStringLiteral(".thm"), QStringLiteral(".wav"), QStringLiteral(".json"),
    };
    return types.contains(ExtensionOf(name));
}

bool IsMovingPicture(const QString &name)
{
    static const QStringList types = {
        QStringLiteral(".mov"), QStringLiteral(".mp4"), QStringLiteral(".m4v"),
        QStringLiteral(".3gp"), QStringLiteral(".avi"), QStringLiteral(".mts"),
    };
    return types.contains(ExtensionOf(name));
}

bool IsRawName(const QString &name)
{
    static const QStringList types = {
        QStringLiteral(".dng"), QStringLiteral(".cr2"), QStringLiteral(".cr3"), QStringLiteral(".nef"),
        QStringLiteral(".nrw"), QStringLiteral(".arw"), QStringLiteral(".sr2"), QStringLiteral(".srf"),
        QStringLiteral(".orf"), QStringLiteral(".rw2"), QStringLiteral(".pef"), QStringLiteral(".srw"),
        QStringLiteral(".iiq"), QStringLiteral(".3fr"), QStringLiteral(".erf"), QStringLiteral(".mef"),
        QStringLiteral(".mos"), QStringLiteral(".rwl"), QStringLiteral(".raf"),
    };
    return types.contains(ExtensionOf(name));
}

QString NameStem(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.left(dot) : name;
}

FolderShots::FolderShots(const QStringList &entries)
{
    byStem_.reserve(entries.size());
    for (const QString &name : entries)
        byStem_[FolderNames::key(NameStem(name))] << name;
    // Most photos stand alone; only stems shared or named by a companion matter.
    byStem_.removeIf([](const auto &group) {
        return group.value().size() < 2 && !IsCompanionName(group.value().first());
    });
}

QStringList FolderShots::filesLike(const QString &name) const
{
    QStringList files;
    if (!byStem_.isEmpty()) {
        for (const QString &entry : byStem_.value(FolderNames::key(NameStem(name)))) {
            if (entry == name || IsImageFileName(entry) || IsMovingPicture(entry))
                files << entry;
        }
    }
    if (!files.contains(name))
        files.prepend(name);
    return files;
}

QStringList FolderShots::companionsOf(const QStringList &files) const
{
    QStringList companions;
    if (byStem_.isEmpty())
        return companions;
    QStringList stems = {NameStem(files.first())};
    stems += files;
    for (const QString &stem : stems) {
        for (const QString &entry : byStem_.value(FolderNames::key(stem))) {
            if (IsCompanionName(entry) && !companions.contains(entry))
                companions << entry;
        }
    }
    return companions;
}
