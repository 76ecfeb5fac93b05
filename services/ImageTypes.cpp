#include "services/ImageTypes.h"

const QStringList &ImageExtensions()
{
    static const QStringList extensions = {
        QStringLiteral(".jpg"), QStringLiteral(".jpe"), QStringLiteral(".jpeg"),
        QStringLiteral(".tif"), QStringLiteral(".tiff"), QStringLiteral(".bmp"),
        QStringLiteral(".gif"), QStringLiteral(".png"),
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
