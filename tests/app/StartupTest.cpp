#include "app/Startup.h"

#include "MainWindow.h"
#include "TestFiles.h"
#include "app/AppGlobals.h"
#include "services/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

// A program folder of its own inside the build tree (settings file beside a
// stand-in executable run from its build folder) and a photo folder.
struct StartupTest : ::testing::Test
{
    QTemporaryDir program{QCoreApplication::applicationDirPath() + QStringLiteral("/program-XXXXXX")};
    QTemporaryDir photos;
    QString executable;

    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        executable = WriteFile(program.filePath(QStringLiteral("fotlex")));
        CopyPhoto(QStringLiteral("Canon_40D.jpg"), photos.path(), QStringLiteral("Bild 1.jpg"));
        CopyPhoto(QStringLiteral("Nikon_D70.jpg"), photos.path(), QStringLiteral("Bild 2.jpg"));
    }

    std::unique_ptr<Form1> start(const QStringList &arguments = {})
    {
        return StartMainWindow(executable, arguments);
    }

    QString settingsFile() const { return program.filePath(QStringLiteral("fotlex.ini")); }

    void remember(const QString &folder)
    {
        ASSERT_TRUE(WriteSetting(QStringLiteral("Fotlex"), QStringLiteral("LastPath"), folder,
                                 settingsFile()));
    }
};

}

TEST_F(StartupTest, FirstStartOpensTheProgramFolder)
{
    WriteJpeg(program.filePath(QStringLiteral("beispiel.jpg")), 20, 10);
    const auto form = start();
    EXPECT_EQ(AppPath, program.path() + QLatin1Char('/'));
    EXPECT_EQ(ExeName, QStringLiteral("fotlex"));
    EXPECT_EQ(SettingsFile, settingsFile());
    EXPECT_EQ(form->txtPath()->text(), program.path() + QLatin1Char('/'));
    EXPECT_EQ(form->FileList()->Path(), program.path());
    EXPECT_EQ(form->FileList()->ListCount(), 1);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kestrune Fotlex"));
    EXPECT_TRUE(form->lblEXIFTime()->text().isEmpty());
    EXPECT_TRUE(form->lblFileSize()->text().isEmpty());
    EXPECT_TRUE(form->lblFileTime()->text().isEmpty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->size(), QSize(553, 599));
}

TEST_F(StartupTest, QuotedImagePathInOtherCaseSelectsAndShowsTheFile)
{
    remember(program.path());
    // The shell hands the blank-separated halves over as two arguments.
    const QString path = photos.path() + QStringLiteral("/BILD 1.JPG");
    const auto form = start(QString(QLatin1Char('"') + path + QLatin1Char('"')).split(' '));
    EXPECT_EQ(form->txtPath()->text(), photos.path());
    EXPECT_EQ(form->FileList()->ListIndex(), 0);
    EXPECT_EQ(SelectedRows(*form->FileList()), QList<int>{0});
    EXPECT_EQ(form->FileList()->FileName(), QStringLiteral("Bild 1.jpg"));
    WaitForPreview(*form);
    EXPECT_EQ(form->lblSize()->text(), QStringLiteral("Bildgrösse: 100 x 68"));
    EXPECT_EQ(form->lblCam()->text(), QStringLiteral("Canon EOS 40D"));
}

TEST_F(StartupTest, OtherFileFolderOrMissingPathOpensAFolderWithNothingSelected)
{
    const QString text = WriteFile(program.filePath(QStringLiteral("notiz.txt")));
    // A file of another type and a missing path fall back to the remembered
    // photo folder; the folder path opens itself.
    for (const auto &[argument, remembered] : {std::pair{text, photos.path()},
                                              {photos.filePath(QStringLiteral("weg")), photos.path()},
                                              {photos.path(), program.path()}}) {
        remember(remembered);
        const auto form = start({argument});
        EXPECT_EQ(form->txtPath()->text(), photos.path()) << argument.toStdString();
        EXPECT_EQ(form->FileList()->Path(), photos.path());
        EXPECT_EQ(form->FileList()->ListCount(), 2);
        EXPECT_EQ(form->FileList()->ListIndex(), -1);
        EXPECT_TRUE(SelectedRows(*form->FileList()).isEmpty());
    }
}

TEST_F(StartupTest, UnreadableRememberedFolderStillShowsItsText)
{
    const QString gone = photos.filePath(QStringLiteral("gelöscht"));
    remember(gone);
    const auto form = start();
    EXPECT_EQ(form->txtPath()->text(), gone);
    EXPECT_EQ(form->FileList()->Path(), QDir::currentPath());
}

TEST_F(StartupTest, ClosingRemembersTheFolderForTheNextStart)
{
    start({photos.path()})->close();
    EXPECT_EQ(ReadSetting(QStringLiteral("Fotlex"), QStringLiteral("LastPath"), settingsFile()),
              photos.path());
    const auto next = start();
    EXPECT_EQ(next->txtPath()->text(), photos.path());
    EXPECT_EQ(next->FileList()->ListCount(), 2);
}
