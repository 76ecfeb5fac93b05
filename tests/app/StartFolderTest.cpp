#include "app/StartFolder.h"
#include "services/ImageTypes.h"

#include "TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ImageTypes, OneListForListStartAndRename)
{
    for (const char *name : {"a.jpg", "A.JPG", "b.jpe", "c.jpeg", "d.TIF", "d.tiff", "e.bmp", "f.gif", "g.PNG"})
        EXPECT_TRUE(IsImageFileName(QString::fromLatin1(name))) << name;
    for (const char *name : {"a.jps", "xjpeg", "folder", "", "jpg", ".jpg", "a.jpg "})
        EXPECT_FALSE(IsImageFileName(QString::fromLatin1(name))) << name;
}

TEST(DecideStartFolder, ImageOpensItsFolderFolderItselfAnythingElseTheRememberedOne)
{
    QTemporaryDir dir;
    const QString d = dir.path();
    const QString remembered = QStringLiteral("/remembered/folder");
    WriteFile(d + QStringLiteral("/Urlaub.jpg"));
    WriteFile(d + QStringLiteral("/notiz.txt"));
    const struct
    {
        QString commandLine, folder, wanted, commandPath;
    } cases[] = {
        {QString(), remembered, QString(), QString()},
        {'"' + d + "/Bild 1.JPG\"", d, "Bild 1.JPG", d + "/Bild 1.JPG"},
        {d + "/Urlaub.jpg", d, "Urlaub.jpg", d + "/Urlaub.jpg"},
        {d + "/notiz.txt", remembered, QString(), d + "/notiz.txt"},
        {d, d, QString(), d},
        {d + "/gibt es nicht", remembered, QString(), d + "/gibt es nicht"},
    };
    for (const auto &c : cases) {
        int reads = 0;
        const StartFolder start = DecideStartFolder(c.commandLine, [&] {
            ++reads;
            return remembered;
        });
        const std::string line = c.commandLine.toStdString();
        EXPECT_EQ(start.folder, c.folder) << line;
        EXPECT_EQ(start.wanted, c.wanted) << line;
        EXPECT_EQ(start.commandPath, c.commandPath) << line;
        EXPECT_EQ(reads, c.folder == remembered ? 1 : 0) << line;
    }
}
