#include "GuiFiles.h"

#include "ui/ShellOpen.h"

#include <QImage>
#include <QTest>

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
    const QString script = dir_.filePath(QStringLiteral("open"));
    WriteFile(script, "#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$0.log\"\n");
    SetMode(script, 0755);
    ShellOpenProgram = script;
}

OpenedUrls::~OpenedUrls()
{
    ShellOpenProgram = QStringLiteral("xdg-open");
}

QStringList OpenedUrls::paths(int expected)
{
    const QString log = dir_.filePath(QStringLiteral("open.log"));
    const auto read = [&] { return QString::fromUtf8(ReadBytes(log)).split(u'\n', Qt::SkipEmptyParts); };
    if (expected == 0)
        QTest::qWait(300);
    else
        (void)QTest::qWaitFor([&] { return QFile::exists(log) && read().size() >= expected; }, 5000);
    return QFile::exists(log) ? read() : QStringList();
}
