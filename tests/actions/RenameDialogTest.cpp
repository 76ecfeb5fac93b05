#include "FakeHost.h"
#include "ModalAnswer.h"

#include "actions/FileCommands.h"
#include "actions/frmRename.h"

#include <QClipboard>
#include <QDir>

#include <gtest/gtest.h>

namespace {

class RenameDialogTest : public ::testing::Test
{
protected:
    void Use(const QStringList &names)
    {
        host = std::make_unique<FakeHost>(names);
        commands = std::make_unique<FileCommands>(*host);
    }

    frmRename *OpenFor(const QString &name)
    {
        host->Choose(host->Entries().indexOf(name));
        commands->mnuRenameClick();
        return commands->RenameDialog();
    }

    bool DialogClosed()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return commands->RenameDialog() == nullptr;
    }

    static void ClearAndType(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        Type(edit, text);
    }

    // Types like QTest::keyClicks, also characters beyond ASCII.
    static void Type(QLineEdit *edit, const QString &text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
    }

    static QWidget *NextTabStop(QWidget *widget)
    {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
        return widget;
    }

    void ExpectOnlySelected(const QString &name)
    {
        EXPECT_EQ(host->list->FileName(), name);
        EXPECT_EQ(host->SelectedRows(), QList<int>({int(host->Entries().indexOf(name))}));
    }

    static void Paste(QLineEdit *edit, const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }

    std::unique_ptr<FakeHost> host;
    std::unique_ptr<FileCommands> commands;
};

} // namespace

TEST_F(RenameDialogTest, OpensModelessAndTopmostWithItsControls)
{
    Use({"IMG_0001.jpg"});
    frmRename *dlg = OpenFor("IMG_0001.jpg");
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_FALSE(dlg->isModal());
    EXPECT_TRUE(host->window.isEnabled());
    EXPECT_TRUE(dlg->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dlg->windowTitle(), "Bild Umbenennen");
    EXPECT_EQ(dlg->size(), QSize(240, 75));

    const struct
    {
        QWidget *widget;
        QString text;
        QRect place;
        bool bold;
    } controls[] = {
        {dlg->Label1, "Neuer Name:", {8, 4, 81, 17}, false},
        {dlg->Text1, "IMG_0001", {8, 16, 189, 21}, true},
        {dlg->Label2, ".jpg", {200, 20, 61, 21}, true},
        {dlg->Command2, "Umbenennen", {108, 44, 125, 25}, true},
        {dlg->Command1, "Abbrechen", {8, 44, 93, 25}, false},
    };
    for (const auto &c : controls) {
        EXPECT_EQ(c.widget->property("text").toString(), c.text);
        EXPECT_EQ(c.widget->geometry(), c.place) << c.text.toStdString();
        EXPECT_EQ(c.widget->font().bold(), c.bold) << c.text.toStdString();
    }
    EXPECT_EQ(NextTabStop(dlg->Text1), dlg->Command2);
    EXPECT_EQ(NextTabStop(dlg->Command2), dlg->Command1);

    EXPECT_EQ(dlg->Text1->cursorPosition(), 8);
    EXPECT_FALSE(dlg->Text1->hasSelectedText());
    EXPECT_EQ(dlg->Folder(), QDir(host->dir.path()).path() + "/");
}

TEST_F(RenameDialogTest, OffersTheExtensionInLowerCase)
{
    Use({"IMG_0001.jpeg", "IMG_0001.JPEG", "x.tiff"});
    frmRename *dlg = OpenFor("IMG_0001.JPEG");
    EXPECT_EQ(dlg->Text1->text(), "IMG_0001");
    EXPECT_EQ(dlg->Label2->text(), ".jpeg");
    dlg = OpenFor("IMG_0001.jpeg");
    EXPECT_EQ(dlg->Text1->text(), "IMG_0001");
    EXPECT_EQ(dlg->Label2->text(), ".jpeg");

    // x.tiff is not an image type the list shows; the dialog still splits it.
    dlg->Open(dlg->Folder(), "x.tiff");
    EXPECT_EQ(dlg->Text1->text(), "x.");
    EXPECT_EQ(dlg->Label2->text(), ".iff");
}

TEST_F(RenameDialogTest, UnchangedNameClosesAndTouchesNothing)
{
    // Offered as "B" with ".jpg": the file never collides with itself.
    Use({"a.jpg", "B.JPG"});
    frmRename *dlg = OpenFor("B.JPG");
    ModalAnswer answer;
    QTest::keyClick(dlg->Text1, Qt::Key_Return);
    EXPECT_TRUE(DialogClosed());
    EXPECT_TRUE(answer.boxes.isEmpty());
    EXPECT_EQ(QDir(host->dir.path()).entryList(QDir::Files), QStringList({"a.jpg", "B.JPG"}));
    EXPECT_EQ(host->Content("B.JPG"), "B.JPG");
}

TEST_F(RenameDialogTest, ButtonRenamesAndCancelDoesNot)
{
    Use({"a.jpg", "b.jpg"});
    frmRename *dlg = OpenFor("a.jpg");
    ClearAndType(dlg->Text1, "nie");
    QTest::mouseClick(dlg->Command1, Qt::LeftButton);
    EXPECT_TRUE(DialogClosed());
    EXPECT_EQ(host->Entries(), QStringList({"a.jpg", "b.jpg"}));

    dlg = OpenFor("a.jpg");
    ClearAndType(dlg->Text1, "Ä-Straße_1");
    QTest::mouseClick(dlg->Command2, Qt::LeftButton);
    EXPECT_TRUE(DialogClosed());
    EXPECT_EQ(host->Entries().size(), 2);
    ExpectOnlySelected("Ä-Straße_1.jpg");
}

TEST_F(RenameDialogTest, TakenNameKeepsTheDialogOpenWithTheNameSelected)
{
    Use({"a.jpg", "b.jpg"});
    frmRename *dlg = OpenFor("a.jpg");
    for (const QString &taken : {QString("b"), QString("B")}) {
        ModalAnswer answer;
        ClearAndType(dlg->Text1, taken);
        QTest::keyClick(dlg->Text1, Qt::Key_Return);

        ASSERT_EQ(answer.boxes.size(), 1);
        EXPECT_EQ(answer.boxes[0].text, "Datei existiert bereits.   ");
        EXPECT_EQ(answer.boxes[0].icon, QMessageBox::Information);
        EXPECT_EQ(answer.boxes[0].title, "Fotlex");
        EXPECT_FALSE(DialogClosed());
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(dlg->Text1->selectedText(), taken);
        EXPECT_EQ(dlg->Text1->selectionStart(), 0);
    }
    EXPECT_EQ(host->Content("a.jpg"), "a.jpg");
    EXPECT_EQ(host->Content("b.jpg"), "b.jpg");
}

TEST_F(RenameDialogTest, TypedKeysPassTheNameFilterTabMovesOn)
{
    Use({"a.jpg"});
    frmRename *dlg = OpenFor("a.jpg");
    ASSERT_TRUE(QTest::qWaitFor([dlg] { return QApplication::activeWindow() == dlg; }));
    EXPECT_TRUE(dlg->Text1->hasFocus());
    Type(dlg->Text1, ".,(:\\");
    EXPECT_EQ(dlg->Text1->text(), "a");
    Type(dlg->Text1, "Zz09 -_äöüÄÖÜß");
    EXPECT_EQ(dlg->Text1->text(), "aZz09 -_äöüÄÖÜß");
    QTest::keyClick(dlg->Text1, Qt::Key_Backspace);
    EXPECT_EQ(dlg->Text1->text(), "aZz09 -_äöüÄÖÜ");
    QTest::keyClick(dlg->Text1, Qt::Key_Tab);
    EXPECT_TRUE(dlg->Command2->hasFocus());
    EXPECT_EQ(dlg->Text1->text(), "aZz09 -_äöüÄÖÜ");
}

TEST_F(RenameDialogTest, BadOrRefusedNamesKeepTheDialogOpen)
{
    Use({"a.jpg"});
    ASSERT_TRUE(QDir(host->dir.path()).mkdir("sub"));
    frmRename *dlg = OpenFor("a.jpg");
    // Pasting passes around the key filter.
    for (const QString &bad : {QString(), QString("sub/b"), QString("..\\b"), QString("a\tb"), QString(300, 'x')}) {
        ModalAnswer answer;
        Paste(dlg->Text1, bad);
        ASSERT_EQ(dlg->Text1->text(), bad);
        QTest::keyClick(dlg->Text1, Qt::Key_Return);
        ASSERT_EQ(answer.boxes.size(), 1) << bad.toStdString();
        if (bad.size() == 300) {
            EXPECT_EQ(answer.boxes[0].icon, QMessageBox::Critical);
            EXPECT_TRUE(answer.boxes[0].text.contains("konnte nicht"));
        } else {
            EXPECT_TRUE(answer.boxes[0].text.startsWith("Der Name") || answer.boxes[0].text.startsWith("Bitte"));
        }
        EXPECT_TRUE(dlg->isVisible());
    }
    EXPECT_EQ(QDir(host->dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"a.jpg", "sub"}));
    EXPECT_TRUE(QDir(host->dir.filePath("sub")).isEmpty());
    EXPECT_EQ(host->Entries(), QStringList({"a.jpg"}));
}

TEST_F(RenameDialogTest, SecondCommandRefillsTheOpenDialog)
{
    Use({"a.jpg", "b.png"});
    frmRename *dlg = OpenFor("a.jpg");
    frmRename *again = OpenFor("b.png");
    EXPECT_EQ(again, dlg);
    EXPECT_EQ(dlg->Text1->text(), "b");
    EXPECT_EQ(dlg->Label2->text(), ".png");
    EXPECT_EQ(dlg->CurrentName(), "b.png");
}

TEST_F(RenameDialogTest, EnterRenamesTheFileCapturedWhenTheCommandRanAndSelectsIt)
{
    Use({"a.jpg", "b.JPG", "c.jpg"});
    frmRename *dlg = OpenFor("b.JPG");
    host->Choose(2);
    ClearAndType(dlg->Text1, "Urlaub 2016");
    QTest::keyClick(dlg->Text1, Qt::Key_Return);

    EXPECT_TRUE(DialogClosed());
    EXPECT_EQ(host->Content("Urlaub 2016.jpg"), "b.JPG");
    EXPECT_FALSE(QFile::exists(host->dir.filePath("b.JPG")));
    EXPECT_EQ(host->Content("c.jpg"), "c.jpg");
    EXPECT_EQ(host->Entries().size(), 3);
    ExpectOnlySelected("Urlaub 2016.jpg");
}
