#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Files that belong to one photo. A shot is every image or video file of a
// folder with the same name apart from the extension (IMG_1.JPG and
// IMG_1.CR2, or a phone's IMG_1.HEIC and IMG_1.MOV). Its companions carry no
// capture time of their own (a raw developer's .xmp, a .wav note) and are
// named after the shot (IMG_1.xmp) or after one file of it (IMG_1.CR2.xmp).

// .xmp .aae .pp3 .dop .thm .wav .json, in any letter case.
bool IsCompanionName(const QString &name);

// A video, whose time may differ from its still's by a second.
bool IsMovingPicture(const QString &name);

// The name without its last extension ("IMG_1.CR2.xmp" -> "IMG_1.CR2").
QString NameStem(const QString &name);

class FolderShots
{
public:
    explicit FolderShots(const QStringList &entries);

    // The other image and video files of the shot of `name`, in entry order.
    QStringList partnersOf(const QString &name) const;

    // The companions named after the shot's stem or after one of `members`.
    QStringList companionsOf(const QStringList &members) const;

private:
    QHash<QString, QStringList> byStem_;  // folded stem -> entries
};
