#include "services/ImageTypes.h"

const QStringList &ImageExtensions()
{
    static const QStringList extensions = {
        QStringLiteral(".jpg"), QStringLiteral(".jpe"), QStringLiteral(".jpeg"),
        QStringLiteral(".tif"), QStringLiteral(".tiff"), QStringLiteral(".bmp"),
        QStringLiteral(".gif"), QStringLiteral(".png"),
        // TIFF-based RAW
        QStringLiteral(".dng"), QStringLiteral(".cr2"), QStringLiteral(".nef"), QStringLiteral(".nrw"),
        QStringLiteral(".arw"), QStringLiteral(".sr2"), QStringLiteral(".srf"), QStringLiteral(".orf"),
        QStringLiteral(".rw2"), QStringLiteral(".pef"), QStringLiteral(".srw"), QStringLiteral(".iiq"),
        QStringLiteral(".3fr"), QStringLiteral(".erf"), QStringLiteral(".mef"), QStringLiteral(".mos"),
        QStringLiteral(".rwl"),
        // Fujifilm, HEIF and AVIF, Canon CR3
        QStringLiteral(".raf"), QStringLiteral(".heic"), QStringLiteral(".heif"), QStringLiteral(".hif"),
        QStringLiteral(".avif"), QStringLiteral(".cr3"),
        // videos: only a capture time, no EXIF
        QStringLiteral(".mov"), QStringLiteral(".mp4"), QStringLiteral(".m4v"), QStringLiteral(".3gp"),
    };
    return extensions;
}

bool IsImageFileName(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 && ImageExtensions().contains(name.mid(dot).toLower());
}

QString ImagePattern()
{
    return u'*' + ImageExtensions().join(QStringLiteral(";*"));
}
