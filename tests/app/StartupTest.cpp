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

TEST_F(StartupTest, OtherFileFolderOrMissingPathOpensAFolderWithNothingSelected)
{
    const QString text = WriteFile(program.filePath(QStringLiteral("notiz.txt")));
    const QString gone = photos.filePath(QStringLiteral("gelöscht"));
    // A file of another type and a missing path fall back to the remembered
    // folder; the folder path opens itself; an unreadable remembered folder
    // still shows its text.
    const struct { QString argument, remembered, shown, listed; } cases[] = {
        {text, photos.path(), photos.path(), photos.path()},
        {photos.filePath(QStringLiteral("weg")), photos.path(), photos.path(), photos.path()},
        {photos.path(), program.path(), photos.path(), photos.path()},
        {QString(), gone, gone, QDir::currentPath()}};
    for (const auto &c : cases) {
        remember(c.remembered);
        const auto form = StartMainWindow(executable, c.argument.isEmpty() ? QStringList() : QStringList{c.argument});
        EXPECT_EQ(form->txtPath()->text(), c.shown) << c.argument.toStdString();
        EXPECT_EQ(form->FileList()->Path(), c.listed);
        EXPECT_TRUE(SelectedRows(*form->FileList()).isEmpty());
    }
}
