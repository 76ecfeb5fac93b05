#include "DialogDriving.h"
#include "MainWindow.h"
#include "tests/actions/ModalAnswer.h"
#include "dialogs/DirSelectShared.h"
#include "dialogs/frmDirSelect.h"
#include "widgets/DirListBox.h"
#include "widgets/DriveListBox.h"
#include "widgets/FileListBox.h"
#include "widgets/FlatButton.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString ExistsText = QStringLiteral("Ein Ordner mit diesem Namen existiert bereits.");

class DirSelectTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        fotos = QDir::cleanPath(temp.path()) + "/Fotos";
        ASSERT_TRUE(QDir().mkpath(fotos + "/Juni"));
        for (const QString &file : {fotos + "/bild.jpg", fotos + "/notiz.txt", fotos + "/Juni/juni.jpg"}) {
            QFile make(file);
            ASSERT_TRUE(make.open(QIODevice::WriteOnly));
        }
        DirSelectBusy = 1;
        DirSelectPath = fotos;
    }

    void open()
    {
        DirSelectBusy = 1;
        dialog = std::make_unique<frmDirSelect>();
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        File1 = dialog->findChild<FileListBox *>("File1");
        Dir1 = dialog->findChild<DirListBox *>("Dir1");
        Drive1 = dialog->findChild<DriveListBox *>("Drive1");
        Text1 = dialog->findChild<QLineEdit *>("Text1");
        FlatButton1 = dialog->findChild<FlatButton *>("FlatButton1");
        FlatButton2 = dialog->findChild<FlatButton *>("FlatButton2");
        FlatButton4 = dialog->findChild<FlatButton *>("FlatButton4");
        ASSERT_TRUE(File1 && Dir1 && Drive1 && Text1 && FlatButton1 && FlatButton2 && FlatButton4);
    }

    // Pastes the new folder's name in place of the one in the box and presses Enter.
    void enterName(const QString &pasted)
    {
        Text1->selectAll();
        QTest::keyClick(Text1, Qt::Key_Backspace);
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(Text1, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(Text1, Qt::Key_Return);
    }

    QStringList subfolders(const QString &folder) const
    {
        return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }

    QTemporaryDir temp;
    QString fotos;
    std::unique_ptr<frmDirSelect> dialog;
    FileListBox *File1 = nullptr;
    DirListBox *Dir1 = nullptr;
    DriveListBox *Drive1 = nullptr;
    QLineEdit *Text1 = nullptr;
    FlatButton *FlatButton1 = nullptr;
    FlatButton *FlatButton2 = nullptr;
    FlatButton *FlatButton4 = nullptr;
};

TEST_F(DirSelectTest, OkReturnsTheHighlightedFolderWithOneTrailingSeparator)
{
    open();
    EXPECT_EQ(Dir1->Path(), fotos);
    EXPECT_EQ(File1->ListCount(), 1);
    EXPECT_FALSE(Text1->isVisible());
    // A single click shows the folder's images at once; OK takes it.
    clickItem(*Dir1, "Juni");
    EXPECT_EQ(Dir1->Path(), fotos);
    EXPECT_EQ(File1->List(0), "juni.jpg");
    click(FlatButton1);
    EXPECT_EQ(DirSelectPath, fotos + "/Juni/");
    EXPECT_EQ(DirSelectBusy, 0);
    EXPECT_FALSE(dialog->isVisible());

    open();
    doubleClickItem(*Dir1, "/");
    click(FlatButton1);
    EXPECT_EQ(DirSelectPath, "/");

    // A start folder that is gone shows the working folder.
    DirSelectPath = fotos + "/fehlt";
    open();
    EXPECT_EQ(Dir1->Path(), QDir::cleanPath(QDir::currentPath()));
}

// The main window's browse button: the folder chosen with OK is listed.
TEST_F(DirSelectTest, BrowseButtonListsTheFolderChosen)
{
    const auto form = ShowMainWindow(fotos);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    answerDirSelect([&](frmDirSelect &chooser) {
        chooser.findChild<DirListBox *>("Dir1")->setPath(fotos + "/Juni");
        click(chooser.findChild<FlatButton *>("FlatButton1"));
    });
    click(form->findChild<FlatButton *>("ButtonBrowse"));
    EXPECT_EQ(form->txtPath()->text(), fotos + "/Juni/");
    EXPECT_EQ(Entries(*form->FileList()), QStringList{"juni.jpg"});
    EXPECT_EQ(DirSelectBusy, 0);
}

TEST_F(DirSelectTest, NewFolderIsCreatedFromFilteredKeysHighlightedAndOkHasTheFocus)
{
    open();
    click(FlatButton2);
    EXPECT_TRUE(Text1->isVisible());
    EXPECT_FALSE(FlatButton2->isVisible());
    EXPECT_EQ(Text1->selectedText(), "Neuer Ordner");
    QTest::keyClicks(Text1, "Urlaub/2016.a");
    EXPECT_EQ(Text1->text(), "Urlaub2016a");
    QTest::keyClick(Text1, Qt::Key_Return);

    const QString created = fotos + "/Urlaub2016a";
    EXPECT_TRUE(QDir(created).exists());
    EXPECT_EQ(Dir1->Path(), created);
    EXPECT_EQ(Dir1->List(Dir1->ListIndex()), created);
    EXPECT_EQ(File1->Path(), created);
    EXPECT_FALSE(Text1->isVisible());
    EXPECT_TRUE(FlatButton1->hasFocus());
    QTest::keyClick(FlatButton1, Qt::Key_Return);
    EXPECT_EQ(DirSelectPath, created + "/");

    // A pasted name with separators creates every level.
    open();
    click(FlatButton2);
    enterName("Reise/Tag 1/früh");
    EXPECT_EQ(Dir1->Path(), created + "/Reise/Tag 1/früh");
}

TEST_F(DirSelectTest, RefusedNamesSaySoAndStayForCorrection)
{
    open();
    ModalAnswer messages;
    click(FlatButton2);
    const struct { const char *name, *says; } cases[] = {
        {"", "existiert bereits"}, {"Juni", "existiert bereits"}, {"../Nachbar", "\"..\""}, {"a\tb", "Steuerzeichen"}};
    for (const auto &c : cases) {
        enterName(QString::fromUtf8(c.name));
        ASSERT_EQ(messages.boxes.size(), &c - cases + 1);
        EXPECT_TRUE(messages.boxes.last().text.contains(QString::fromUtf8(c.says))) << c.name;
        EXPECT_TRUE(Text1->isVisible());
        EXPECT_EQ(Text1->text(), QString::fromUtf8(c.name));
        EXPECT_EQ(dialog->focusWidget(), Text1);
    }
    EXPECT_EQ(messages.boxes.first().text, ExistsText);
    EXPECT_EQ(messages.boxes.last().icon, QMessageBox::Warning);
    EXPECT_EQ(subfolders(fotos), QStringList{"Juni"});
    EXPECT_EQ(subfolders(temp.path()), QStringList{"Fotos"});
}

} // namespace
