#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Files that may belong to one photo: every image or video file of a folder
// with the same name apart from the extension, in any letter case
// (IMG_1.JPG and IMG_1.CR2, or a phone's IMG_1.HEIC and IMG_1.MOV), and
// their companions, which carry no capture time of their own (a raw
// developer's .xmp, a .wav note) and are named after the photo (IMG_1.xmp)
// or after one of its files (IMG_1.CR2.xmp). Which of them form one shot
// their times decide (BatchPlan).

// .xmp .aae .pp3 .dop .thm .wav .json, in any letter case.
bool IsCompanionName(const QString &name);

// A video, whose time may differ from its still's by a second.
bool IsMovingPicture(const QString &name);

// A camera's RAW file, whose developer writes the bare NAME.xmp.
bool IsRawName(const QString &name);

// The name without its last extension ("IMG_1.CR2.xmp" -> "IMG_1.CR2").
QString NameStem(const QString &name);

class FolderShots
{
public:
    explicit FolderShots(const QStringList &entries);

    // The image and video files whose stem folds as that of `name`, in
    // entry order; `name` itself among them.
    QStringList filesLike(const QString &name) const;

    // The companions named after the stem of `files` or after one of them.
    QStringList companionsOf(const QStringList &files) const;

private:
    QHash<QString, QStringList> byStem_;  // folded stem -> entries
};
