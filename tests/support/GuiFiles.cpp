#include "GuiFiles.h"

#include <QDesktopServices>
#include <QImage>

#include <gtest/gtest.h>

QString WriteJpeg(const QString &path, int width, int height)
{
    QImage image(width, height, QImage::Format_Grayscale8);
    image.fill(128);
    EXPECT_TRUE(image.save(path, "JPEG"));
    return path;
}

OpenedUrls::OpenedUrls()
{
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
}

OpenedUrls::~OpenedUrls()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}
