#include "app/Startup.h"

#include "MainWindow.h"
#include "TestFiles.h"
#include "app/AppGlobals.h"
#include "services/Settings.h"

#include <QCoreApplication>
#include <QDir>

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

    void remember(const QString &folder)
    {
        ASSERT_TRUE(WriteSetting(QStringLiteral("Fotlex"), QStringLiteral("LastPath"), folder,
                                 program.filePath(QStringLiteral("fotlex.ini"))));
    }
};

}

TEST_F(StartupTest, FirstStartOpensTheProgramFolderAndClosingRemembersTheFolder)
{
    WriteJpeg(program.filePath(QStringLiteral("beispiel.jpg")), 20, 10);
    auto form = StartMainWindow(executable, {});
    EXPECT_EQ(AppPath, program.path() + QLatin1Char('/'));
    EXPECT_EQ(form->txtPath()->text(), program.path() + QLatin1Char('/'));
    EXPECT_EQ(Entries(*form->FileList()), QStringList{"beispiel.jpg"});
    EXPECT_TRUE(form->isVisible());

    StartMainWindow(executable, {photos.path()})->close();
    form = StartMainWindow(executable, {});
    EXPECT_EQ(form->txtPath()->text(), photos.path());
    EXPECT_EQ(form->FileList()->ListCount(), 2);
}

TEST_F(StartupTest, QuotedImagePathInOtherCaseSelectsAndShowsTheFile)
{
    remember(program.path());
    // The shell hands the blank-separated halves over as two arguments.
    const QString path = photos.path() + QStringLiteral("/BILD 1.JPG");
    const auto form = StartMainWindow(executable, QString(QLatin1Char('"') + path + QLatin1Char('"')).split(' '));
    EXPECT_EQ(form->txtPath()->text(), photos.path());
    EXPECT_EQ(SelectedRows(*form->FileList()), QList<int>{0});
    EXPECT_EQ(form->FileList()->FileName(), QStringLiteral("Bild 1.jpg"));
    WaitForPreview(*form);
    EXPECT_EQ(form->lblCam()->text(), QStringLiteral("Canon EOS 40D"));
}

// Where to start is StartFolderTest's; here, that a remembered folder that
// cannot be read still shows its text over the working folder's list.
TEST_F(StartupTest, UnreadableRememberedFolderStillShowsItsText)
{
    const QString gone = photos.filePath(QStringLiteral("gelöscht"));
    remember(gone);
    const auto form = StartMainWindow(executable, {});
    EXPECT_EQ(form->txtPath()->text(), gone);
    EXPECT_EQ(form->FileList()->Path(), QDir::currentPath());
}
