#include "MainWindow.h"
#include "TestFiles.h"
#include "ui/PreviewLoader.h"

#include <gtest/gtest.h>

namespace {

const QColor Black(0, 0, 0);
const QColor DarkRed(192, 0, 0);

// A shown main window on a folder of sample photos, selected by real clicks.
struct SelectionPanelTest : ::testing::Test
{
    QTemporaryDir dir;
    std::unique_ptr<Form1> form;

    void SetUp() override
    {
        // 2008:05:30 15:56:01, ExifTool: Canon EOS 40D, f/7.1 (aperture 7.0),
        // 1/160 s (shutter speed 1/166), ISO 100, 100 x 68 pixels.
        CopyPhoto(QStringLiteral("Canon_40D.jpg"), dir.path(), QStringLiteral("a_canon.jpg"));
        // 2008:03:15 09:52:01, NIKON D70.
        CopyPhoto(QStringLiteral("Nikon_D70.jpg"), dir.path(), QStringLiteral("b_nikon.jpg"));
        WriteJpeg(dir.filePath(QStringLiteral("c_plain.jpg")), 40, 30);
        WriteFile(dir.filePath(QStringLiteral("d_empty.jpg")));
        SetModified(dir.filePath(QStringLiteral("a_canon.jpg")), QDateTime(QDate(2008, 5, 30), QTime(15, 56, 1)));
        SetModified(dir.filePath(QStringLiteral("b_nikon.jpg")), QDateTime(QDate(2008, 5, 30), QTime(15, 56, 1)));
        form = ShowMainWindow(dir.path());
    }

    void click(int row, Qt::KeyboardModifiers modifiers = {})
    {
        ClickEntry(*form->FileList(), row, modifiers);
        WaitForPreview(*form);
    }

    QColor fileTimeColour() const { return form->lblFileTime()->palette().color(QPalette::WindowText); }
};

}

TEST_F(SelectionPanelTest, PhotoFillsEveryLabelOthersKeepWhatTheyCannotTell)
{
    click(0);
    // The landscape photo takes the box's whole width.
    EXPECT_EQ(form->picPreview()->pixmap().width(), form->picPreview()->contentsRect().width());
    // Width first; the camera's own f-number and exposure, not the APEX ones.
    const QStringList shown{form->lblSize()->text(), form->lblCam()->text(), form->lblBlende()->text(),
                            form->lblExp()->text(), form->lblISO()->text(), form->lblTimeDate()->text(),
                            form->lblEXIFTime()->text(), form->lblFileSize()->text(), form->lblFileTime()->text()};
    EXPECT_EQ(shown, QStringList({"Bildgrösse: 100 x 68", "Canon EOS 40D", "Blende: f 7,1", "Belichtung: 1/160s",
                                  "ISO 100", "2008:05:30  -  15:56:01", "30.05.2008 15:56:01", "7.958",
                                  "30.05.2008 15:56:01"}));
    EXPECT_EQ(fileTimeColour(), Black);
    // The tag list ends with the capture time and where it came from.
    const QString tags = form->txtInfo()->toPlainText();
    EXPECT_TRUE(tags.contains(QStringLiteral("Model: Canon EOS 40D\n"))) << tags.toStdString();
    EXPECT_TRUE(tags.endsWith(QStringLiteral("\nAufnahmezeit: 2008-05-30 15:56:01.00 (EXIF)"))) << tags.toStdString();

    // A click on the preview empties only the preview; a right click, or a
    // press released off it, does not.
    QTest::mouseClick(form->picPreview(), Qt::RightButton);
    QTest::mousePress(form->picPreview(), Qt::LeftButton);
    QTest::mouseRelease(form->picPreview(), Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_FALSE(form->picPreview()->pixmap().isNull());
    QTest::mouseClick(form->picPreview(), Qt::LeftButton);
    EXPECT_TRUE(form->picPreview()->pixmap().isNull());
    EXPECT_EQ(form->lblCam()->text(), QStringLiteral("Canon EOS 40D"));

    // Without EXIF: says so, the file time in dark red; the frozen time stays.
    click(2);
    EXPECT_EQ(form->lblEXIFTime()->text(), QStringLiteral("No EXIF Data"));
    EXPECT_EQ(form->lblCam()->text(), QStringLiteral("Camera:"));
    EXPECT_EQ(form->lblSize()->text(), QStringLiteral("Bildgrösse: 40 x 30"));
    EXPECT_EQ(form->txtInfo()->toPlainText(), QStringLiteral("Keine EXIF-Daten vorhanden.\nAufnahmezeit: keine"));
    EXPECT_EQ(fileTimeColour(), DarkRed);
    ASSERT_TRUE(form->FrozenExifTime);
    EXPECT_EQ(form->FrozenExifTime->exifText(), QStringLiteral("2008:05:30 15:56:01"));

    // An empty file: no picture, no bytes, no size.
    click(3);
    EXPECT_TRUE(form->picPreview()->pixmap().isNull());
    EXPECT_EQ(form->lblSize()->text(), QStringLiteral("Bildgrösse: "));
    EXPECT_TRUE(form->lblFileSize()->text().isEmpty());
    EXPECT_EQ(form->txtInfo()->toPlainText(), QStringLiteral("Error."));
}

TEST_F(SelectionPanelTest, APreviewComingLateNeverReplacesTheNewerSelections)
{
    WriteJpeg(dir.filePath(QStringLiteral("e_large.jpg")), 6000, 1000);
    form->RefreshList();
    click(0);
    const QSize canon = form->picPreview()->pixmap().size();
    // What was prepared ahead is stale once the large photo changes.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->Previews().busy(); }));
    SetModified(dir.filePath(QStringLiteral("e_large.jpg")), QDateTime(QDate(2020, 1, 1), QTime(12, 0)));
    ClickEntry(*form->FileList(), 4);
    ClickEntry(*form->FileList(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->Previews().busy(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(form->picPreview()->pixmap().size(), canon);
    EXPECT_EQ(form->lblSize()->text(), QStringLiteral("Bildgrösse: 100 x 68"));
}
