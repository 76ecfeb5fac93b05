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
        return Dialog();
    }

    frmRename *Dialog() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return host->window.findChild<frmRename *>();
    }

    // Types like QTest::keyClicks, also characters beyond ASCII.
    static void Type(QLineEdit *edit, const QString &text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
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

TEST_F(RenameDialogTest, RenamesTheFileOfTheCommandAndSelectsIt)
{
    Use({"a.jpg", "b.JPG", "c.jpg"});
    frmRename *dlg = OpenFor("b.JPG");
    host->Choose(2);
    dlg->Text1->selectAll();
    Type(dlg->Text1, "Ä-Straße 2016");
    QTest::mouseClick(dlg->Command2, Qt::LeftButton);
    EXPECT_EQ(Dialog(), nullptr);
    EXPECT_EQ(host->Content("Ä-Straße 2016.jpg"), "b.JPG");
    EXPECT_EQ(host->Content("c.jpg"), "c.jpg");
    EXPECT_EQ(host->Entries().size(), 3);
    EXPECT_EQ(host->list->FileName(), "Ä-Straße 2016.jpg");
    EXPECT_EQ(host->SelectedRows().size(), 1);

    // Offered as "a" with ".jpg", confirmed: closes and touches nothing.
    dlg = OpenFor("a.jpg");
    ModalAnswer answer;
    QTest::keyClick(dlg->Text1, Qt::Key_Return);
    EXPECT_EQ(Dialog(), nullptr);
    EXPECT_TRUE(answer.boxes.isEmpty());
    EXPECT_EQ(host->Content("a.jpg"), "a.jpg");
}

TEST_F(RenameDialogTest, TakenBadOrRefusedNamesKeepTheDialogOpen)
{
    Use({"a.jpg", "b.jpg"});
    ASSERT_TRUE(QDir(host->dir.path()).mkdir("sub"));
    frmRename *dlg = OpenFor("a.jpg");
    // Pasting passes around the key filter.
    const struct { QString name; const char *text; } cases[] = {
        {"B", "Datei existiert bereits.   "}, {"", "Bitte"}, {"sub/b", "Der Name"}, {"a\tb", "Der Name"},
        {QString(300, 'x'), "Die Datei konnte nicht"}};
    for (const auto &c : cases) {
        ModalAnswer answer;
        Paste(dlg->Text1, c.name);
        ASSERT_EQ(dlg->Text1->text(), c.name);
        QTest::keyClick(dlg->Text1, Qt::Key_Return);
        ASSERT_EQ(answer.boxes.size(), 1) << c.name.toStdString();
        EXPECT_TRUE(answer.boxes[0].text.startsWith(c.text)) << answer.boxes[0].text.toStdString();
        EXPECT_EQ(Dialog(), dlg);
        if (c.name == "B") { // selected for another try
            EXPECT_EQ(dlg->Text1->selectedText(), c.name);
            EXPECT_EQ(answer.boxes[0].icon, QMessageBox::Information);
        }
    }
    EXPECT_EQ(QDir(host->dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"a.jpg", "b.jpg", "sub"}));
    EXPECT_TRUE(QDir(host->dir.filePath("sub")).isEmpty());
    EXPECT_EQ(host->Content("b.jpg"), "b.jpg");
}
