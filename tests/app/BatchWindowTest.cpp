#include "ShownWindow.h"
#include "TestPhotos.h"
#include "tests/actions/ModalAnswer.h"
#include "tests/app/ReportWatch.h"

#include "app/BatchCommand.h"
#include "app/RenamePreviewDialog.h"

#include <QDir>
#include <QTableWidget>

#include <gtest/gtest.h>

// The window's part of a batch: which files and options go in, what the
// window shows after. What a batch does with the files is tested in tests/rename.
namespace {

const QByteArray T = "2016:08:28 02:24:00";

struct BatchWindowTest : ::testing::Test
{
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;

    void SetUp() override
    {
        WriteExifJpeg(dir.filePath("a.jpg"), T, "a");
        WriteExifJpeg(dir.filePath("b.jpg"), QByteArray("2016:08:28 02:25:10"), "b");
        WriteExifJpeg(dir.filePath("c.jpg"), std::nullopt, "c");
        window = ShowMainWindow(dir.path());
    }

    void click(int row, Qt::KeyboardModifiers modifiers = {}) { ClickEntry(*window->files(), row, modifiers); }

    // Runs the batch and checks that no file was lost.
    void clickRenameButton()
    {
        const auto before = FolderContents(dir.path());
        QTest::mouseClick(window->renameButton(), Qt::LeftButton);
        EXPECT_TRUE(SameFilesRenamed(before, FolderContents(dir.path())));
    }

    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }
};

QStringList Column(const QTableWidget &table, int column)
{
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row)
        texts << table.item(row, column)->text();
    return texts;
}

} // namespace

TEST_F(BatchWindowTest, RenameButtonRenamesTheSelectionAndEndsWithTheClosingSteps)
{
    click(1);
    click(2, Qt::ShiftModifier);
    window->adjustFileTime()->setChecked(true);
    ReportWatch report;
    clickRenameButton();
    EXPECT_EQ(files(), QStringList({"2016-08-28 - 02-25-10.jpg", "a.jpg", "c.jpg"}));
    EXPECT_EQ(ModificationTime(dir.filePath("2016-08-28 - 02-25-10.jpg")), LocalMoment("2016:08:28 02:25:10"));
    // The file left alone is reported with its reason and stays selected.
    EXPECT_EQ(report.summary, "1 umbenannt, 1 übersprungen, 0 fehlgeschlagen");
    EXPECT_EQ(report.lines, QStringList({"c.jpg: übersprungen (keine EXIF-Zeit)"}));
    EXPECT_EQ(Entries(*window->files()), files());
    EXPECT_EQ(SelectedRows(*window->files()), QList<int>({2}));
    EXPECT_TRUE(window->captureTime()->text().isEmpty());
    EXPECT_EQ(window->camera()->text(), "Camera:");
}

TEST_F(BatchWindowTest, PreviewShowsThePlanAsOptionsChangeAndCarriesOutExactlyIt)
{
    WriteFile(dir.filePath("b.xmp"), "edits");
    WriteExifJpeg(dir.filePath("d.jpg"), T, "d", "5");
    WriteExifJpeg(dir.filePath("e.jpg"), T, "e", "10");
    const auto before = FolderContents(dir.path());
    std::vector<RenameJob> jobs;
    for (const QString name : {"b.jpg", "c.jpg", "e.jpg", "d.jpg"})
        jobs.push_back({dir.path() + '/', name, std::nullopt});
    RenamePreviewDialog dialog(jobs, {});
    const QTableWidget &table = *dialog.planTable();
    EXPECT_EQ(Column(table, 0), QStringList({"b.jpg", "b.xmp", "c.jpg", "e.jpg", "d.jpg"}));
    EXPECT_EQ(Column(table, 1).at(4), "bleibt: 2016-08-28 - 02-24-00.jpg existiert bereits");

    dialog.burst()->setChecked(true);
    dialog.shiftField()->setText("+1:0");
    QTest::qWait(400);
    EXPECT_FALSE(dialog.renameButton()->isEnabled());
    dialog.shiftField()->setText("+1:00");
    EXPECT_FALSE(dialog.renameButton()->isEnabled()) << "not before the plan is shown";
    QTRY_VERIFY(dialog.renameButton()->isEnabled());
    const QStringList shown = Column(table, 1);
    EXPECT_EQ(shown.mid(1), QStringList({"2016-08-28 - 03-25-10.xmp", "bleibt: keine EXIF-Zeit",
                                         "2016-08-28 - 03-24-00a.jpg", "2016-08-28 - 03-24-00b.jpg"}));

    QTest::mouseClick(dialog.renameButton(), Qt::LeftButton);
    const auto after = FolderContents(dir.path());
    EXPECT_TRUE(SameFilesRenamed(before, after));
    for (const int row : {0, 1, 3, 4})
        EXPECT_EQ(after.value(shown[row]), before.value(Column(table, 0)[row])) << row;
}

TEST_F(BatchWindowTest, RenameButtonNamesTheCompanionsAndCtrlZAsksThenTakesTheBatchBack)
{
    WriteFile(dir.filePath("a.xmp"), "edits");
    window->rereadFolder();
    const auto before = FolderContents(dir.path());
    click(0);
    click(1, Qt::ShiftModifier);
    {
        ReportWatch report;
        clickRenameButton();
        EXPECT_EQ(report.lines, QStringList({"a.xmp -> 2016-08-28 - 02-24-00.xmp (Begleitdatei)"}));
    }
    ASSERT_NE(FolderContents(dir.path()), before);
    for (const bool yes : {false, true}) {
        ReportWatch report;
        ModalAnswer answers([yes](QMessageBox &box) {
            for (QAbstractButton *button : box.buttons())
                if (button->text() == (yes ? "Ja" : "Nein"))
                    QTest::mouseClick(button, Qt::LeftButton);
        });
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->files()->setFocus();
        QTest::keyClick(window->files(), Qt::Key_Z, Qt::ControlModifier);
        ASSERT_EQ(answers.boxes.size(), 1);
        EXPECT_TRUE(answers.boxes[0].text.contains(dir.path() + "/, 3 Dateien"));
        EXPECT_EQ(FolderContents(dir.path()) == before, yes);
        EXPECT_EQ(report.summary, yes ? "3 zurückbenannt, 0 übersprungen, 0 fehlgeschlagen" : "");
    }
    EXPECT_EQ(window->files()->entryName(0), "a.jpg");
}
