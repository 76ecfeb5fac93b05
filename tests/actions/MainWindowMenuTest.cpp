#include "MainWindow.h"
#include "ModalAnswer.h"
#include "TestFiles.h"

#include "actions/frmRename.h"
#include "ui/ShellOpen.h"

#include <gtest/gtest.h>

namespace {

class MainWindowMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const QString &name : QStringList{"a1.jpg", "a2.jpg", "a3.jpg"})
            CopyPhoto("Canon_40D.jpg", dir.path(), name);
        form = ShowMainWindow(dir.path());
    }

    // Right-clicks the entry, as the user opens the menu, and picks `item`.
    void PickFromMenu(int entry, QAction *item)
    {
        FileListBox *list = form->FileList();
        list->setListIndex(entry);
        list->setSelected(entry, true);
        ClickEntry(*list, entry, {}, Qt::RightButton);
        QMenu *menu = form->mnuPop();
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }

    QTemporaryDir dir;
    std::unique_ptr<Form1> form;
};

} // namespace

TEST_F(MainWindowMenuTest, PopupMenuHasItsItemsEnabled)
{
    const QList<QAction *> items = form->mnuPop()->actions();
    ASSERT_EQ(items.size(), 6);
    EXPECT_EQ(items[0]->text(), "Bild Anzeigen...");
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2]->text(), "Bild umbenennen...");
    EXPECT_EQ(items[3]->text(), "Bild löschen...");
    EXPECT_EQ(items[4]->text(), "Umbenennen mit Vorschau...");
    EXPECT_EQ(items[5]->text(), "Letzte Umbenennung rückgängig");
    for (const int i : {0, 2, 3, 4, 5})
        EXPECT_TRUE(items[i]->isEnabled()) << i;
}

TEST_F(MainWindowMenuTest, RenameFromTheMenu)
{
    PickFromMenu(1, form->mnuRename());
    auto *dlg = form->findChild<frmRename *>();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->Text1->text(), "a2");
    dlg->Text1->selectAll();
    QTest::keyClicks(dlg->Text1, "Urlaub");
    QTest::keyClick(dlg->Text1, Qt::Key_Return);

    EXPECT_TRUE(QFile::exists(dir.filePath("Urlaub.jpg")));
    EXPECT_FALSE(QFile::exists(dir.filePath("a2.jpg")));
    EXPECT_EQ(form->FileList()->FileName(), "Urlaub.jpg");
}

TEST_F(MainWindowMenuTest, ShowFromTheMenuOpensTheFile)
{
    OpenedUrls opened;
    PickFromMenu(2, form->mnuShow());
    EXPECT_EQ(opened.paths(1), QStringList({dir.filePath("a3.jpg")}));
}

TEST_F(MainWindowMenuTest, ShowSaysSoWhenNoProgramOpensTheFile)
{
    // A stand-in that ends as xdg-open does when no program is set up for
    // the type; `opened` puts the opener back afterwards.
    OpenedUrls opened;
    ShellOpenProgram = QStringLiteral("sh");
    const QString failing = dir.filePath("exit3");
    WriteFile(failing, "exit 3\n");
    ShellOpen(failing);
    ModalAnswer answer;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answer.boxes.isEmpty(); }, 5000));
    EXPECT_EQ(answer.boxes[0].text, "Das Bild 'exit3' konnte nicht angezeigt werden.\n"
                                    "Für diesen Dateityp ist kein Programm eingerichtet.");
    EXPECT_EQ(answer.boxes[0].icon, QMessageBox::Critical);
}

TEST_F(MainWindowMenuTest, DeleteFromTheMenu)
{
    const QByteArray photo = ReadBytes(dir.filePath("a1.jpg"));
    ModalAnswer answer;
    PickFromMenu(0, form->mnuDelete());
    ASSERT_EQ(answer.boxes.size(), 1);
    EXPECT_EQ(answer.boxes[0].text, "Bild 'a1.jpg' in den Papierkorb verschieben?");
    EXPECT_EQ(answer.boxes[0].defaultButton, QMessageBox::Yes);
    EXPECT_FALSE(QFile::exists(dir.filePath("a1.jpg")));
    // The tests' own trash (see gui_main) holds it whole.
    EXPECT_EQ(ReadBytes(qEnvironmentVariable("XDG_DATA_HOME") + "/Trash/files/a1.jpg"), photo);
    EXPECT_EQ(form->FileList()->ListCount(), 2);
    EXPECT_EQ(form->FileList()->FileName(), "a2.jpg");
}

TEST_F(MainWindowMenuTest, CommandsDoNothingOnAnEmptyFolder)
{
    QTemporaryDir empty;
    form->txtPath()->setText(empty.path());
    form->FileList()->setPath(empty.path());
    ModalAnswer answer;
    OpenedUrls opened;
    for (QAction *item : {form->mnuShow(), form->mnuRename(), form->mnuDelete()})
        item->trigger();
    EXPECT_TRUE(answer.boxes.isEmpty());
    EXPECT_EQ(form->findChild<frmRename *>(), nullptr);
    EXPECT_TRUE(opened.paths(0).isEmpty());
}
