#include "MainWindow.h"
#include "TestPhotos.h"
#include "tests/actions/ModalAnswer.h"
#include "tests/app/ReportWatch.h"

#include "app/Command1Rename.h"
#include "app/frmRenamePreview.h"

#include <QDir>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

const QByteArray T = "2021:06:01 10:00:00";

QStringList Column(const QTableWidget &table, int column)
{
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row)
        texts << table.item(row, column)->text();
    return texts;
}

} // namespace

TEST(RenamePreviewTest, ShowsThePlanAsOptionsChangeAndCarriesOutExactlyIt)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + '/';
    WriteExifJpeg(folder + "IMG_1.jpg", T, "1", "5");
    WriteExifJpeg(folder + "IMG_2.jpg", T, "2", "10");
    WriteExifJpeg(folder + "ohne.jpg", std::nullopt, "ohne");
    WriteFile(folder + "IMG_2.xmp", "edits");
    const auto before = FolderContents(folder);
    std::vector<RenameJob> jobs;
    for (const QString name : {"IMG_1.jpg", "IMG_2.jpg", "ohne.jpg"})
        jobs.push_back({folder, name, std::nullopt});
    frmRenamePreview dialog(jobs, {});
    const QTableWidget &table = *dialog.Plan();

    EXPECT_EQ(Column(table, 0), QStringList({"IMG_1.jpg", "IMG_2.jpg", "IMG_2.xmp", "ohne.jpg"}));
    EXPECT_EQ(Column(table, 1), QStringList({"2021-06-01 - 10-00-00.jpg",
                                             "bleibt: 2021-06-01 - 10-00-00.jpg existiert bereits",
                                             "bleibt: 2021-06-01 - 10-00-00.jpg existiert bereits",
                                             "bleibt: keine EXIF-Zeit"}));
    dialog.chkBurst()->setChecked(true);
    dialog.txtShift()->setText("+1:0");
    QTest::qWait(400);
    EXPECT_FALSE(dialog.cmdRename()->isEnabled());
    dialog.txtShift()->setText("+1:00");
    EXPECT_FALSE(dialog.cmdRename()->isEnabled()) << "not before the plan is shown";
    QTRY_VERIFY(dialog.cmdRename()->isEnabled());
    const QStringList shown = Column(table, 1);
    EXPECT_EQ(shown.mid(0, 3), QStringList({"2021-06-01 - 11-00-00b.jpg", "2021-06-01 - 11-00-00a.jpg",
                                            "2021-06-01 - 11-00-00a.xmp"}));

    QTest::mouseClick(dialog.cmdRename(), Qt::LeftButton);
    const auto after = FolderContents(folder);
    EXPECT_TRUE(SameFilesRenamed(before, after));
    EXPECT_EQ(after.value(shown[0]), before.value("IMG_1.jpg"));
    EXPECT_EQ(after.value(shown[1]), before.value("IMG_2.jpg"));
    EXPECT_EQ(after.value(shown[2]), before.value("IMG_2.xmp"));
}

TEST(RenamePreviewTest, Command1NamesTheCompanionsAndCtrlZAsksThenTakesTheBatchBack)
{
    QTemporaryDir dir;
    WriteExifJpeg(dir.filePath("a.jpg"), T, "a");
    WriteExifJpeg(dir.filePath("b.jpg"), QByteArray("2021:06:01 10:00:01"), "b");
    WriteFile(dir.filePath("a.xmp"), "edits");
    const auto before = FolderContents(dir.path());
    auto form = ShowMainWindow(dir.path());
    ClickEntry(*form->FileList(), 0);
    ClickEntry(*form->FileList(), 1, Qt::ShiftModifier);
    {
        ReportWatch report;
        QTest::mouseClick(form->Command1(), Qt::LeftButton);
        EXPECT_EQ(report.lines, QStringList({"a.xmp -> 2021-06-01 - 10-00-00.xmp (Begleitdatei)"}));
    }
    ASSERT_TRUE(SameFilesRenamed(before, FolderContents(dir.path())));
    ASSERT_NE(FolderContents(dir.path()), before);

    for (const bool yes : {false, true}) {
        ReportWatch report;
        ModalAnswer answers([yes](QMessageBox &box) {
            for (QAbstractButton *button : box.buttons()) {
                if (button->text() == (yes ? "Ja" : "Nein"))
                    return QTest::mouseClick(button, Qt::LeftButton);
            }
        });
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->FileList()->setFocus();
        QTest::keyClick(form->FileList(), Qt::Key_Z, Qt::ControlModifier);
        ASSERT_EQ(answers.boxes.size(), 1);
        EXPECT_TRUE(answers.boxes[0].text.startsWith("Letzte Umbenennung rückgängig machen?"));
        EXPECT_TRUE(answers.boxes[0].text.contains(dir.path() + "/, 3 Dateien"));
        EXPECT_EQ(FolderContents(dir.path()) == before, yes);
        EXPECT_EQ(report.summary, yes ? "3 zurückbenannt, 0 übersprungen, 0 fehlgeschlagen" : "");
    }
    EXPECT_EQ(form->FileList()->List(0), "a.jpg");
}
