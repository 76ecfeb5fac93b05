#include "app/StartFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString Remembered = QStringLiteral("/remembered/folder");

struct StartFolderTest : ::testing::Test
{
    QTemporaryDir dir;
    int reads = 0;

    StartFolder Decide(const QString &commandLine)
    {
        return DecideStartFolder(commandLine, [this] {
            ++reads;
            return Remembered;
        });
    }
};

}

TEST(NamesImage, LooksAtTheLastFourCharactersOnly)
{
    for (const char *name : {"a.jpg", "A.JPG", "b.jpe", "c.jpeg", "d.TIF", "e.bmp", "f.gif", "xjpeg"})
        EXPECT_TRUE(NamesImage(QString::fromLatin1(name))) << name;
    for (const char *name : {"a.png", "a.jps", "a.tiff", "folder", "", "jpg", "a.jpg "})
        EXPECT_FALSE(NamesImage(QString::fromLatin1(name))) << name;
}

TEST_F(StartFolderTest, EmptyCommandLineOpensTheRememberedFolder)
{
    const StartFolder start = Decide(QString());
    EXPECT_EQ(start.folder, Remembered);
    EXPECT_TRUE(start.wanted.isEmpty());
    EXPECT_TRUE(start.commandPath.isEmpty());
    EXPECT_EQ(reads, 1);
}

TEST_F(StartFolderTest, QuotedImagePathOpensItsFolderAndWantsTheFile)
{
    const QString path = dir.path() + QStringLiteral("/Bild 1.JPG");
    const StartFolder start = Decide(QLatin1Char('"') + path + QLatin1Char('"'));
    EXPECT_EQ(start.folder, dir.path());
    EXPECT_EQ(start.wanted, QStringLiteral("Bild 1.JPG"));
    EXPECT_EQ(start.commandPath, path);
    EXPECT_EQ(reads, 0);
}

TEST_F(StartFolderTest, ExistingImageIsSpelledAsStored)
{
    QFile file(dir.path() + QStringLiteral("/Urlaub.jpg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const StartFolder start = Decide(dir.path() + QStringLiteral("/Urlaub.jpg"));
    EXPECT_EQ(start.wanted, QStringLiteral("Urlaub.jpg"));
}

TEST_F(StartFolderTest, PngPathIsNoImageAndNoFolder)
{
    QFile file(dir.path() + QStringLiteral("/bild.png"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const StartFolder start = Decide(file.fileName());
    EXPECT_EQ(start.folder, Remembered);
    EXPECT_TRUE(start.wanted.isEmpty());
    EXPECT_FALSE(start.commandPath.isEmpty());
}

TEST_F(StartFolderTest, FolderPathOpensThatFolder)
{
    const StartFolder start = Decide(dir.path());
    EXPECT_EQ(start.folder, dir.path());
    EXPECT_TRUE(start.wanted.isEmpty());
    EXPECT_EQ(reads, 0);
}

TEST_F(StartFolderTest, NonexistentPathOpensTheRememberedFolder)
{
    const StartFolder start = Decide(dir.path() + QStringLiteral("/gibt es nicht"));
    EXPECT_EQ(start.folder, Remembered);
    EXPECT_EQ(reads, 1);
}
