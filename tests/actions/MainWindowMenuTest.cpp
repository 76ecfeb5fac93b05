#include "MainWindow.h"
#include "ModalAnswer.h"
#include "TestFiles.h"

#include "actions/frmRename.h"
#include "ui/ShellOpen.h"

#include <gtest/gtest.h>

namespace {

// The menu's items reach their commands in the shown main window.
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
        form->FileList()->setListIndex(entry);
        form->FileList()->setSelected(entry, true);
        ClickEntry(*form->FileList(), entry, {}, Qt::RightButton);
        QMenu *menu = form->mnuPop();
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
        ASSERT_TRUE(item->isEnabled());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }

    QTemporaryDir dir;
    std::unique_ptr<Form1> form;
};

} // namespace

TEST_F(MainWindowMenuTest, ShowSaysSoWhenNoProgramOpensTheFile)
{
    // A stand-in that ends as xdg-open does when no program is set up for
    // the type; `opened` puts the opener back afterwards.
    OpenedUrls opened;
    ShellOpenProgram = QStringLiteral("sh");
    const QString failing = WriteFile(dir.filePath("exit3"), "exit 3\n");
    ShellOpen(failing);
    ModalAnswer answer;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answer.boxes.isEmpty(); }, 5000));
    EXPECT_EQ(answer.boxes[0].text, "Das Bild 'exit3' konnte nicht angezeigt werden.\n"
                                    "Für diesen Dateityp ist kein Programm eingerichtet.");
}
