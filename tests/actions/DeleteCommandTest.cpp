#include "FakeHost.h"
#include "ModalAnswer.h"

#include "actions/FileCommands.h"

#include <gtest/gtest.h>

namespace {

const QStringList Five = {"a1.jpg", "a2.jpg", "a3.jpg", "a4.jpg", "a5.jpg"};

} // namespace

TEST(DeleteCommand, MovesTheChosenFileToTheTrashAndSelectsTheNeighbour)
{
    const struct { QStringList names; int chosen; QStringList remaining; int selected; } cases[] = {
        {Five, 2, {"a1.jpg", "a2.jpg", "a4.jpg", "a5.jpg"}, 2}, {Five, 4, {"a1.jpg", "a2.jpg", "a3.jpg", "a4.jpg"}, 3},
        {Five, 0, {"a2.jpg", "a3.jpg", "a4.jpg", "a5.jpg"}, 0}, {{"only.jpg"}, 0, {}, -1}};
    for (const auto &c : cases) {
        FakeHost host(c.names);
        FileCommands commands(host);
        host.Choose(c.chosen);
        ModalAnswer answer;
        commands.deleteSelected();
        ASSERT_EQ(answer.boxes.size(), 1);
        EXPECT_EQ(answer.boxes[0].text, "Bild '" + c.names[c.chosen] + "' in den Papierkorb verschieben?");
        EXPECT_EQ(answer.boxes[0].defaultButton, QMessageBox::Yes);
        EXPECT_EQ(answer.boxes[0].icon, QMessageBox::Question);
        EXPECT_EQ(answer.boxes[0].title, "Fotlex");
        EXPECT_EQ(host.Entries(), c.remaining);
        EXPECT_EQ(host.list->currentRow(), c.selected);
        EXPECT_EQ(host.SelectedRows(), c.selected < 0 ? QList<int>() : QList<int>({c.selected}));
    }
}

TEST(DeleteCommand, ActsOnTheWholeSelectionOnlyWhenTheUserSaysYes)
{
    for (const bool yes : {false, true}) {
        FakeHost host(Five);
        FileCommands commands(host);
        host.Choose(1);
        host.list->setEntrySelected(3, true);
        ModalAnswer answer(yes ? ModalAnswer::PressEnter : ModalAnswer::ClickNo);
        commands.deleteSelected();
        ASSERT_EQ(answer.boxes.size(), 1);
        EXPECT_EQ(answer.boxes[0].text, "2 Bilder in den Papierkorb verschieben?");
        EXPECT_EQ(host.Entries(), yes ? QStringList({"a1.jpg", "a3.jpg", "a5.jpg"}) : Five);
        EXPECT_EQ(host.SelectedRows(), yes ? QList<int>({1}) : QList<int>({1, 3}));
    }
}

TEST(DeleteCommand, WithoutATrashAsksAgainAndSaysWhatFailed)
{
    FakeHost host(Five);
    FileCommands commands(host);
    host.Choose(1);
    // A file that is gone cannot reach the trash; deleting it for good fails
    // too. The list would follow the disk 150 ms after the removal, while the
    // questions are open on a busy machine: only the command's doing counts.
    host.list->setFollowing(false);
    ASSERT_TRUE(QFile::remove(host.dir.filePath("a2.jpg")));
    ModalAnswer answer([](QMessageBox &box) {
        if (QAbstractButton *yes = box.button(QMessageBox::Yes))
            QTest::mouseClick(yes, Qt::LeftButton);
        else
            ModalAnswer::PressEnter(box);
    });
    commands.deleteSelected();
    ASSERT_EQ(answer.boxes.size(), 3);
    EXPECT_EQ(answer.boxes[1].text, "Bild 'a2.jpg' endgültig löschen?");
    EXPECT_EQ(answer.boxes[1].defaultButton, QMessageBox::No);
    EXPECT_TRUE(answer.boxes[2].text.startsWith("Das Bild 'a2.jpg' konnte nicht gelöscht werden."));
    EXPECT_EQ(answer.boxes[2].icon, QMessageBox::Critical);
    EXPECT_EQ(answer.boxes[2].title, "Fotlex");
    EXPECT_EQ(host.Entries(), Five);
    EXPECT_EQ(host.SelectedRows(), QList<int>({1}));
}
