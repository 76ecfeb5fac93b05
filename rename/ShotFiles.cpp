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

QStringList FolderShots::partnersOf(const QString &name) const
{
    QStringList partners;
    if (byStem_.isEmpty())
        return partners;
    const QString self = FolderNames::key(name);
    for (const QString &entry : byStem_.value(FolderNames::key(NameStem(name)))) {
        if (FolderNames::key(entry) != self && (IsImageFileName(entry) || IsMovingPicture(entry)))
            partners << entry;
    }
    return partners;
}

QStringList FolderShots::companionsOf(const QStringList &members) const
{
    QStringList companions;
    if (byStem_.isEmpty())
        return companions;
    QStringList stems = {NameStem(members.first())};
    stems += members;
    for (const QString &stem : stems) {
        for (const QString &entry : byStem_.value(FolderNames::key(stem))) {
            if (IsCompanionName(entry) && !companions.contains(entry))
                companions << entry;
        }
    }
    return companions;
}
