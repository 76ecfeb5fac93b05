#include "FakeHost.h"
#include "ModalAnswer.h"

#include "actions/FileCommands.h"
#include "dialogs/RenameDialog.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>

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

    // The rename command on the entry `name`, as the popup menu gives it.
    RenameDialog *OpenFor(const QString &name)
    {
        host->Choose(host->Entries().indexOf(name));
        commands->renameCurrent();
        RenameDialog *dialog = Dialog();
        field = dialog ? dialog->findChild<QLineEdit *>() : nullptr;
        return dialog;
    }

    RenameDialog *Dialog() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return host->window.findChild<RenameDialog *>();
    }

    QString Hint() const
    {
        const QList<QLabel *> labels = Dialog()->findChildren<QLabel *>();
        for (const QLabel *label : labels) {
            if (label->text().startsWith("Nicht erlaubt"))
                return label->text();
        }
        return {};
    }

    // Types like QTest::keyClicks, also characters beyond ASCII.
    void Type(const QString &text) const
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) const
    {
        QTest::keyClick(field, key, modifiers);
    }

    void Paste(const QString &text) const
    {
        QGuiApplication::clipboard()->setText(text);
        Key(Qt::Key_V);
    }

    std::unique_ptr<FakeHost> host;
    std::unique_ptr<FileCommands> commands;
    QLineEdit *field = nullptr;
};

} // namespace

// The base name is selected at first, so that typing replaces it.
TEST_F(RenameDialogTest, RenamesTheFileOfTheCommandAndSelectsIt)
{
    Use({"a.jpg", "b.JPG", "c.jpg"});
    RenameDialog *dialog = OpenFor("b.JPG");
    ASSERT_TRUE(dialog && field);
    EXPECT_EQ(field->selectedText(), "b");
    host->Choose(2);
    Type("Ä-Straße 2016");
    for (QAbstractButton *button : dialog->findChild<QDialogButtonBox *>()->buttons()) {
        if (button->text() == "Umbenennen")
            QTest::mouseClick(button, Qt::LeftButton);
    }
    EXPECT_EQ(Dialog(), nullptr);
    EXPECT_EQ(host->Content("Ä-Straße 2016.jpg"), "b.JPG");
    EXPECT_EQ(host->Content("c.jpg"), "c.jpg");
    EXPECT_EQ(host->Entries().size(), 3);
    EXPECT_EQ(host->list->currentName(), "Ä-Straße 2016.jpg");
    EXPECT_EQ(host->SelectedRows().size(), 1);

    // Offered as "a" with ".jpg", confirmed with Enter: closes and touches nothing.
    OpenFor("a.jpg");
    ModalAnswer answer;
    Key(Qt::Key_Return, {});
    EXPECT_EQ(Dialog(), nullptr);
    EXPECT_TRUE(answer.boxes.isEmpty());
    EXPECT_EQ(host->Content("a.jpg"), "a.jpg");
}

// The editing keys are commands, not characters of the name; typed and
// pasted text pass the same rule, and what it refuses is named under the field.
TEST_F(RenameDialogTest, ClipboardKeysWorkRefusedCharactersAreNamed)
{
    Use({"Urlaub.jpg", "IMG (2).jpg"});
    OpenFor("Urlaub.jpg");
    Key(Qt::Key_X);
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Urlaub");
    Key(Qt::Key_Z);
    EXPECT_EQ(field->text(), "Urlaub");
    Key(Qt::Key_A);
    EXPECT_EQ(field->selectedText(), "Urlaub");
    Type("Urlaub (Rom), Tag 1.5");
    EXPECT_EQ(field->text(), "Urlaub Rom Tag 15");
    EXPECT_EQ(Hint(), "Nicht erlaubt: ( ) , .");
    Paste("?|a\tb");
    EXPECT_EQ(field->text(), "Urlaub Rom Tag 15");
    EXPECT_EQ(Hint(), "Nicht erlaubt: ( ) , . ? | Steuerzeichen");
    Paste("-2024");
    EXPECT_EQ(field->text(), "Urlaub Rom Tag 15-2024");

    // Characters a name holds when offered stay allowed in it.
    OpenFor("IMG (2).jpg");
    EXPECT_EQ(Hint(), "");
    Key(Qt::Key_End, {});
    Key(Qt::Key_Backspace, {});
    Key(Qt::Key_Backspace, {});
    Type("3)");
    EXPECT_EQ(field->text(), "IMG (3)");
}

TEST_F(RenameDialogTest, TakenEmptyOrRefusedNamesKeepTheDialogOpen)
{
    Use({"a.jpg", "b.jpg"});
    RenameDialog *dialog = OpenFor("a.jpg");
    const struct { QString name; const char *text; } cases[] = {
        {"B", "Datei existiert bereits."}, {"", "Bitte"}, {QString(300, 'x'), "Die Datei konnte nicht"}};
    for (const auto &c : cases) {
        ModalAnswer answer;
        field->selectAll();
        Paste(c.name);
        ASSERT_EQ(field->text(), c.name);
        Key(Qt::Key_Return, {});
        ASSERT_EQ(answer.boxes.size(), 1) << c.name.toStdString();
        EXPECT_TRUE(answer.boxes[0].text.startsWith(c.text)) << answer.boxes[0].text.toStdString();
        EXPECT_EQ(Dialog(), dialog);
        // Selected for another try.
        EXPECT_EQ(field->selectedText(), c.name);
    }
    EXPECT_EQ(QDir(host->dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"a.jpg", "b.jpg"}));
}
