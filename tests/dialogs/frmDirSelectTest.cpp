#include "DialogDriving.h"
#include "tests/actions/ModalAnswer.h"
#include "tests/support/ListClicks.h"
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
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QString ExistsText = QStringLiteral("Ein Ordner mit diesem Namen existiert bereits.");
const QString NotCreatedText = QStringLiteral("Der Ordner konnte nicht angelegt werden. \n"
                                              "Datenträger ist möglicherweise schreibgeschützt.  ");

QStringList texts(const ModalAnswer &messages)
{
    QStringList result;
    for (const ModalAnswer::Box &box : messages.boxes)
        result << box.text;
    return result;
}

void makeFile(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

class DirSelectTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_TRUE(temp.isValid());
        fotos = QDir::cleanPath(temp.path()) + "/Fotos";
        ASSERT_TRUE(QDir().mkpath(fotos + "/Juni"));
        makeFile(fotos + "/bild.jpg");
        makeFile(fotos + "/notiz.txt");
        DirSelectBusy = 1;
        DirSelectCaption = QStringLiteral("Pfad L auswählen");
        DirSelectPath = fotos;
    }

    void open()
    {
        dialog = std::make_unique<frmDirSelect>();
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        const auto child = [this](auto *&widget, const char *name) {
            widget = dialog->findChild<std::remove_reference_t<decltype(*widget)> *>(QString::fromLatin1(name));
        };
        child(File1, "File1"), child(Dir1, "Dir1"), child(Drive1, "Drive1"), child(Text1, "Text1");
        child(dummy, "dummy"), child(FlatButton1, "FlatButton1"), child(FlatButton2, "FlatButton2");
        child(FlatButton4, "FlatButton4");
        ASSERT_TRUE(File1 && Dir1 && Drive1 && Text1 && dummy && FlatButton1 && FlatButton2 && FlatButton4);
    }

    void doubleClick(int index) { doubleClickItem(*Dir1, index); }

    // Starts a new folder name and types or pastes it, then presses Enter.
    void enterName(const QString &typed, const QString &pasted = {})
    {
        click(FlatButton2);
        QTest::keyClicks(Text1, typed);
        if (!pasted.isEmpty()) {
            QApplication::clipboard()->setText(pasted);
            QTest::keyClick(Text1, Qt::Key_V, Qt::ControlModifier);
        }
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
    QWidget *dummy = nullptr;
    FlatButton *FlatButton1 = nullptr;
    FlatButton *FlatButton2 = nullptr;
    FlatButton *FlatButton4 = nullptr;
};

TEST_F(DirSelectTest, LoadShowsTheStartFolderInBrowsingModeOrTheWorkingFolder)
{
    open();
    EXPECT_EQ(dialog->windowTitle(), "Pfad L auswählen");
    EXPECT_EQ(dialog->size(), QSize(413, 440));
    EXPECT_EQ(Dir1->Path(), fotos);
    EXPECT_EQ(File1->Path(), fotos);
    ASSERT_EQ(File1->ListCount(), 1);
    EXPECT_EQ(File1->List(0), "bild.jpg");
    EXPECT_TRUE(fotos.startsWith(Drive1->Drive()));
    EXPECT_FALSE(Text1->isVisible());
    EXPECT_TRUE(FlatButton2->isVisible());
    EXPECT_EQ(FlatButton1->Caption(), "&OK");
    EXPECT_EQ(FlatButton2->Caption(), "neuer Ordner");
    EXPECT_EQ(FlatButton4->Caption(), "Abbrechen");
    EXPECT_EQ(QApplication::focusWidget(), dummy);
    for (QWidget *list : {static_cast<QWidget *>(File1), static_cast<QWidget *>(Dir1), static_cast<QWidget *>(Drive1)})
        EXPECT_EQ(list->palette().color(QPalette::Base), QColor(244, 244, 244));

    // A start folder that is gone shows the working folder.
    DirSelectPath = fotos + "/fehlt";
    open();
    EXPECT_EQ(Dir1->Path(), QDir::cleanPath(QDir::currentPath()));
    EXPECT_EQ(File1->Path(), Dir1->Path());
}

TEST_F(DirSelectTest, OkReturnsThePathWithOneTrailingSeparatorEvenOnTheRoot)
{
    open();
    doubleClick(0);
    ASSERT_EQ(Dir1->Path(), "/");
    EXPECT_EQ(File1->Path(), "/");
    click(FlatButton1);
    EXPECT_EQ(DirSelectPath, "/");
    EXPECT_EQ(DirSelectBusy, 0);
    EXPECT_FALSE(dialog->isVisible());

    DirSelectBusy = 1;
    DirSelectPath = fotos + "/";
    open();
    doubleClick(Dir1->OpenIndex() + 1);
    ASSERT_EQ(Dir1->Path(), fotos + "/Juni");
    click(FlatButton1);
    EXPECT_EQ(DirSelectPath, fotos + "/Juni/");
    EXPECT_EQ(DirSelectBusy, 0);
}

TEST_F(DirSelectTest, OkTakesTheHighlightedFolderWhoseImagesShowAtOnce)
{
    makeFile(fotos + "/Juni/juni.jpg");
    open();
    clickItem(*Dir1, Dir1->OpenIndex() + 1);
    EXPECT_EQ(Dir1->Path(), fotos);
    EXPECT_EQ(File1->Path(), fotos + "/Juni");
    EXPECT_EQ(File1->List(0), "juni.jpg");
    click(FlatButton1);
    EXPECT_EQ(DirSelectPath, fotos + "/Juni/");
}

TEST_F(DirSelectTest, CancelAndClosingLeaveThePathAsTheCallerSetIt)
{
    DirSelectPath = fotos + "//";
    open();
    doubleClick(Dir1->OpenIndex() + 1);
    click(FlatButton4);
    EXPECT_EQ(DirSelectPath, fotos + "//");
    EXPECT_EQ(DirSelectBusy, 0);
    EXPECT_FALSE(dialog->isVisible());

    DirSelectBusy = 1;
    open();
    doubleClick(0);
    dialog->close();
    EXPECT_EQ(DirSelectPath, fotos + "//");
    EXPECT_EQ(DirSelectBusy, 0);

    DirSelectBusy = 1;
    open();
    dialog.reset();
    EXPECT_EQ(DirSelectPath, fotos + "//");
    EXPECT_EQ(DirSelectBusy, 0);
}

TEST_F(DirSelectTest, NewFolderIsCreatedHighlightedAndOkHasTheFocus)
{
    open();
    click(FlatButton2);
    EXPECT_TRUE(Text1->isVisible());
    EXPECT_FALSE(FlatButton2->isVisible());
    EXPECT_EQ(Text1->text(), "Neuer Ordner");
    EXPECT_EQ(Text1->selectedText(), "Neuer Ordner");
    EXPECT_TRUE(Text1->hasFocus());

    QTest::keyClicks(Text1, "Urlaub/2016.a");
    EXPECT_EQ(Text1->text(), "Urlaub2016a");
    QTest::keyClick(Text1, Qt::Key_Return);

    const QString created = fotos + "/Urlaub2016a";
    EXPECT_TRUE(QDir(created).exists());
    EXPECT_EQ(Dir1->Path(), created);
    EXPECT_EQ(Dir1->ListIndex(), Dir1->OpenIndex());
    EXPECT_EQ(Dir1->List(Dir1->ListIndex()), created);
    EXPECT_EQ(File1->Path(), created);
    EXPECT_EQ(File1->ListCount(), 0);
    EXPECT_FALSE(Text1->isVisible());
    EXPECT_TRUE(FlatButton2->isVisible());
    EXPECT_TRUE(FlatButton1->hasFocus());
    EXPECT_EQ(DirSelectBusy, 1);

    QTest::keyClick(FlatButton1, Qt::Key_Return);
    EXPECT_EQ(DirSelectPath, created + "/");
    EXPECT_EQ(DirSelectBusy, 0);
}

TEST_F(DirSelectTest, EmptyOrExistingNameSaysTheFolderExistsAndStaysForCorrection)
{
    open();
    ModalAnswer messages;
    click(FlatButton2);
    QTest::keyClick(Text1, Qt::Key_Backspace);
    ASSERT_TRUE(Text1->text().isEmpty());
    QTest::keyClick(Text1, Qt::Key_Return);
    EXPECT_EQ(texts(messages), QStringList{ExistsText});
    EXPECT_EQ(messages.boxes.value(0).icon, QMessageBox::Information);
    EXPECT_EQ(subfolders(fotos), QStringList{"Juni"});
    EXPECT_TRUE(Text1->isVisible());
    EXPECT_EQ(dialog->focusWidget(), Text1);

    QTest::keyClicks(Text1, "Juni");
    QTest::keyClick(Text1, Qt::Key_Return);
    EXPECT_EQ(texts(messages), (QStringList{ExistsText, ExistsText}));
    EXPECT_EQ(Text1->text(), "Juni");
    EXPECT_EQ(Text1->cursorPosition(), 4);
    EXPECT_FALSE(Text1->hasSelectedText());
    QTest::keyClicks(Text1, "2");
    QTest::keyClick(Text1, Qt::Key_Return);
    EXPECT_TRUE(QDir(fotos + "/Juni2").exists());
}

TEST_F(DirSelectTest, PastedNameWithSeparatorsCreatesEveryLevel)
{
    open();
    enterName({}, "Reise/Tag 1/früh");
    const QString deepest = fotos + "/Reise/Tag 1/früh";
    EXPECT_TRUE(QDir(deepest).exists());
    EXPECT_EQ(Dir1->Path(), deepest);
    EXPECT_FALSE(Text1->isVisible());
}

TEST_F(DirSelectTest, DotLevelsAndControlCharactersAreRefused)
{
    open();
    ModalAnswer messages;
    enterName({}, "../Nachbar");
    EXPECT_EQ(Text1->text(), "../Nachbar");
    Text1->selectAll();
    QApplication::clipboard()->setText("a\tb");
    QTest::keyClick(Text1, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(Text1, Qt::Key_Return);
    ASSERT_EQ(messages.boxes.size(), 2);
    EXPECT_TRUE(messages.boxes[0].text.contains("\"..\""));
    EXPECT_TRUE(messages.boxes[1].text.contains("Steuerzeichen"));
    EXPECT_EQ(subfolders(fotos), QStringList{"Juni"});
    EXPECT_EQ(subfolders(temp.path()), QStringList{"Fotos"});
    EXPECT_TRUE(Text1->isVisible());
    EXPECT_EQ(Text1->text(), "a\tb");
}

TEST_F(DirSelectTest, ChangingTheFolderOrDriveOrEscapeDiscardsTheName)
{
    open();
    click(FlatButton2);
    QTest::keyClicks(Text1, "halb");
    doubleClick(Dir1->OpenIndex() + 1);
    EXPECT_FALSE(Text1->isVisible());
    EXPECT_TRUE(FlatButton2->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), dummy);
    EXPECT_EQ(File1->Path(), fotos + "/Juni");

    click(FlatButton2);
    EXPECT_EQ(Text1->text(), "Neuer Ordner");
    QTest::keyClicks(Text1, "halb");
    Drive1->setCurrentIndex(Drive1->currentIndex() == 0 ? 1 : 0);
    EXPECT_FALSE(Text1->isVisible());
    EXPECT_EQ(Dir1->Path(), Drive1->Drive());
    EXPECT_EQ(subfolders(fotos + "/Juni"), QStringList{});

    // Escape leaves naming mode and keeps the dialog open.
    const QStringList subfoldersBefore = subfolders(Dir1->Path());
    click(FlatButton2);
    QTest::keyClick(Text1, Qt::Key_Escape);
    EXPECT_FALSE(Text1->isVisible());
    EXPECT_TRUE(FlatButton2->isVisible());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(DirSelectBusy, 1);
    EXPECT_EQ(subfolders(fotos), QStringList{"Juni"});
    EXPECT_EQ(subfolders(Dir1->Path()), subfoldersBefore);
}

// A folder in which even root cannot create anything: a read-only parent
// where permission bits bind, else a read-only kernel file system.
QString unwritableFolder(const QString &scratch)
{
    const QString parent = scratch + "/schreibgeschuetzt";
    QDir().mkpath(parent);
    QFile::setPermissions(parent, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (!QDir().mkdir(parent + "/probe"))
        return parent;
    QDir().rmdir(parent + "/probe");
    for (const char *candidate : {"/sys", "/proc"}) {
        if (QDir(candidate).exists() && !QDir().mkdir(candidate + QStringLiteral("/fotlex-probe")))
            return QString::fromLatin1(candidate);
        QDir().rmdir(candidate + QStringLiteral("/fotlex-probe"));
    }
    return {};
}

TEST_F(DirSelectTest, ReadOnlyParentGivesTheTwoLineMessage)
{
    const QString parent = unwritableFolder(temp.path());
    if (parent.isEmpty())
        GTEST_SKIP() << "no folder here refuses a new subfolder to this user";
    DirSelectPath = parent;
    open();
    ModalAnswer messages;
    enterName("Neu");
    QFile::setPermissions(temp.path() + "/schreibgeschuetzt", QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                     | QFileDevice::ExeOwner);
    EXPECT_EQ(texts(messages), QStringList{NotCreatedText});
    EXPECT_EQ(messages.boxes.value(0).icon, QMessageBox::Critical);
    EXPECT_FALSE(QDir(parent + "/Neu").exists());
    EXPECT_EQ(Dir1->Path(), parent);
    EXPECT_TRUE(Text1->isVisible());
    EXPECT_EQ(Text1->text(), "Neu");
    EXPECT_EQ(dialog->focusWidget(), Text1);
}

} // namespace
