#include "MainWindow.h"
#include "TestPhotos.h"
#include "app/Command1Rename.h"
#include "tests/actions/ModalAnswer.h"
#include "tests/app/ReportWatch.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// The main window on a folder of three photos, driven by real clicks.
struct Command1Test : ::testing::Test
{
    QTemporaryDir dir;
    std::unique_ptr<Form1> form;

    void SetUp() override
    {
        WriteExifJpeg(dir.filePath("a.jpg"), QByteArray("2016:08:28 02:24:00"), "a");
        WriteExifJpeg(dir.filePath("b.jpg"), QByteArray("2016:08:28 02:25:10"), "b");
        WriteExifJpeg(dir.filePath("c.jpg"), std::nullopt, "c");
        form = ShowMainWindow(dir.path());
    }

    void click(int row, Qt::KeyboardModifiers modifiers = {}) { ClickEntry(*form->FileList(), row, modifiers); }

    // Runs the batch and checks that no file was lost.
    void clickCommand1()
    {
        const auto before = FolderContents(dir.path());
        QTest::mouseClick(form->Command1(), Qt::LeftButton);
        EXPECT_TRUE(SameFilesRenamed(before, FolderContents(dir.path())));
    }

    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }
};

} // namespace

TEST_F(Command1Test, RenamesTheSelectionAndEndsWithTheClosingSteps)
{
    click(0);
    click(2, Qt::ShiftModifier);
    form->chkFileTime()->setChecked(true);
    ReportWatch report;
    clickCommand1();
    EXPECT_EQ(files(), QStringList({"2016-08-28 - 02-24-00.jpg", "2016-08-28 - 02-25-10.jpg", "c.jpg"}));
    // The file left alone is reported with its reason and stays selected.
    EXPECT_EQ(report.summary, "2 umbenannt, 1 übersprungen, 0 fehlgeschlagen");
    EXPECT_EQ(report.lines, QStringList({"c.jpg: übersprungen (keine EXIF-Zeit)"}));
    EXPECT_EQ(SelectedRows(*form->FileList()), QList<int>({2}));
    EXPECT_EQ(ModificationTime(dir.filePath("2016-08-28 - 02-24-00.jpg")),
              LocalMoment("2016:08:28 02:24:00"));
    EXPECT_EQ(form->FileList()->ListCount(), 3);
    EXPECT_EQ(form->FileList()->List(0), "2016-08-28 - 02-24-00.jpg");
    EXPECT_TRUE(form->lblEXIFTime()->text().isEmpty());
    EXPECT_TRUE(form->lblFileSize()->text().isEmpty());
    EXPECT_TRUE(form->lblFileTime()->text().isEmpty());
    EXPECT_EQ(form->lblCam()->text(), "Camera:");
}

TEST_F(Command1Test, FrozenModeKeepsTheTimeOfTheLastFileThatHadOne)
{
    click(0);
    click(2);
    EXPECT_EQ(form->lblEXIFTime()->text(), "No EXIF Data");
    EXPECT_EQ(form->FrozenExifTime, "2016:08:28 - 02:24:00");
    // Ticked, the box shows the time every file will get.
    form->chkFreeze()->setChecked(true);
    EXPECT_EQ(form->lblEXIFTime()->text(), "28.08.2016 02:24:00");
    click(1, Qt::ControlModifier);
    ReportWatch report;
    clickCommand1();
    EXPECT_TRUE(report.summary.isEmpty());
    EXPECT_EQ(files(), QStringList({"2016-08-28 - 02-24-00a.jpg", "2016-08-28 - 02-24-00b.jpg", "a.jpg"}));
    EXPECT_FALSE(form->chkFreeze()->isChecked());
}

TEST_F(Command1Test, FrozenModeWithoutATimeChangesNothing)
{
    form->chkFreeze()->setChecked(true);
    click(2);
    click(0, Qt::ControlModifier);
    form->FrozenExifTime = "0000:00:00 - 00:00:00";
    ModalAnswer answer;
    clickCommand1();
    ASSERT_EQ(answer.boxes.size(), 1);
    EXPECT_EQ(answer.boxes[0].text, NoFrozenTimeText);
    EXPECT_EQ(files(), QStringList({"a.jpg", "b.jpg", "c.jpg"}));
    EXPECT_TRUE(form->chkFreeze()->isChecked());
}

TEST_F(Command1Test, NothingSelectedStillRereadsAnEmptyListDoesNothing)
{
    click(0);
    click(0, Qt::ControlModifier);
    ASSERT_FALSE(form->FileList()->Selected(0));
    form->chkFreeze()->setChecked(true);
    clickCommand1();
    EXPECT_EQ(files(), QStringList({"a.jpg", "b.jpg", "c.jpg"}));
    EXPECT_FALSE(form->chkFreeze()->isChecked());
    EXPECT_TRUE(form->lblEXIFTime()->text().isEmpty());

    // An empty list: nothing at all.
    QTemporaryDir empty;
    form->FileList()->setPath(empty.path());
    form->chkFreeze()->setChecked(true);
    form->lblFileSize()->setText("7.958");
    clickCommand1();
    EXPECT_TRUE(form->chkFreeze()->isChecked());
    EXPECT_EQ(form->lblFileSize()->text(), "7.958");
}
