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
    EXPECT_EQ(form->lblSize()->text(), QStringLiteral("Bildgrösse: 100 x 68"));
    EXPECT_EQ(form->lblCam()->text(), QStringLiteral("Canon EOS 40D"));
    EXPECT_EQ(form->lblBlende()->text(), QStringLiteral("Blende: f 7,1"));
    EXPECT_EQ(form->lblExp()->text(), QStringLiteral("Belichtung: 1/160s"));
    EXPECT_EQ(form->lblISO()->text(), QStringLiteral("ISO 100"));
    EXPECT_EQ(form->lblTimeDate()->text(), QStringLiteral("2008:05:30  -  15:56:01"));
    EXPECT_EQ(form->lblEXIFTime()->text(), QStringLiteral("30.05.2008 15:56:01"));
    EXPECT_EQ(form->FrozenExifTime, QStringLiteral("2008:05:30 - 15:56:01"));
    EXPECT_EQ(form->lblFileSize()->text(), QStringLiteral("7.958"));
    EXPECT_TRUE(form->txtInfo()->toPlainText().contains(QStringLiteral("Canon EOS 40D")));

    // A click on the preview empties only the preview.
    QTest::mouseClick(form->picPreview(), Qt::LeftButton);
    EXPECT_TRUE(form->picPreview()->pixmap().isNull());
    EXPECT_EQ(form->lblCam()->text(), QStringLiteral("Canon EOS 40D"));

    // Without EXIF: says so in dark red, the frozen time stays.
    click(2);
    EXPECT_EQ(form->lblEXIFTime()->text(), QStringLiteral("No EXIF Data"));
    EXPECT_EQ(form->lblCam()->text(), QStringLiteral("Camera:"));
    EXPECT_EQ(form->lblTimeDate()->text(), QStringLiteral("Datum & Zeit:"));
    EXPECT_EQ(form->lblSize()->text(), QStringLiteral("Bildgrösse: 40 x 30"));
    EXPECT_EQ(fileTimeColour(), DarkRed);
    EXPECT_EQ(form->FrozenExifTime, QStringLiteral("2008:05:30 - 15:56:01"));

    // An empty file: no picture, no bytes, the last size stays.
    click(3);
    EXPECT_TRUE(form->picPreview()->pixmap().isNull());
    EXPECT_EQ(form->lblSize()->text(), QStringLiteral("Bildgrösse: 40 x 30"));
    EXPECT_TRUE(form->lblFileSize()->text().isEmpty());
}

TEST_F(SelectionPanelTest, APreviewComingLateNeverReplacesTheNewerSelections)
{
    WriteJpeg(dir.filePath(QStringLiteral("e_large.jpg")), 6000, 1000);
    form->RefreshList();
    click(0);
    const QSize canon = form->picPreview()->pixmap().size();
    // Everything ahead is prepared; the large photo changes and is no longer.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->Previews().busy(); }));
    SetModified(dir.filePath(QStringLiteral("e_large.jpg")), QDateTime(QDate(2020, 1, 1), QTime(12, 0)));

    ClickEntry(*form->FileList(), 4);
    ClickEntry(*form->FileList(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->Previews().busy(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(form->picPreview()->pixmap().size(), canon);
    EXPECT_EQ(form->lblSize()->text(), QStringLiteral("Bildgrösse: 100 x 68"));
}

TEST_F(SelectionPanelTest, FileTimeIsBlackOnlyWhenItMatchesTheExifTime)
{
    SetModified(dir.filePath(QStringLiteral("a_canon.jpg")), QDateTime(QDate(2008, 5, 30), QTime(15, 56, 1)));
    SetModified(dir.filePath(QStringLiteral("b_nikon.jpg")), QDateTime(QDate(2008, 3, 15), QTime(9, 52, 2)));
    click(0);
    EXPECT_EQ(form->lblFileTime()->text(), QStringLiteral("30.05.2008 15:56:01"));
    EXPECT_EQ(fileTimeColour(), Black);
    click(1);
    EXPECT_EQ(form->lblFileTime()->text(), QStringLiteral("15.03.2008 09:52:02"));
    EXPECT_EQ(fileTimeColour(), DarkRed);
}

TEST_F(SelectionPanelTest, FreezeKeepsTheExifTimeAndComparesAgainstIt)
{
    SetModified(dir.filePath(QStringLiteral("b_nikon.jpg")), QDateTime(QDate(2008, 5, 30), QTime(15, 56, 1)));
    click(0);
    QTest::mouseClick(form->chkFreeze(), Qt::LeftButton);
    ASSERT_TRUE(form->chkFreeze()->isChecked());
    click(1);
    EXPECT_EQ(form->lblCam()->text(), QStringLiteral("NIKON D70"));
    EXPECT_EQ(form->lblTimeDate()->text(), QStringLiteral("2008:03:15  -  09:52:01"));
    EXPECT_EQ(form->lblEXIFTime()->text(), QStringLiteral("30.05.2008 15:56:01"));
    EXPECT_EQ(form->FrozenExifTime, QStringLiteral("2008:05:30 - 15:56:01"));
    EXPECT_EQ(fileTimeColour(), Black);
    click(2);
    EXPECT_EQ(form->lblEXIFTime()->text(), QStringLiteral("30.05.2008 15:56:01"));
}

TEST_F(SelectionPanelTest, ShiftClickShowsTheEntryClickedLast)
{
    click(2);
    click(0, Qt::ShiftModifier);
    EXPECT_EQ(form->lblCam()->text(), QStringLiteral("Canon EOS 40D"));
    EXPECT_TRUE(form->FileList()->Selected(1));
    QTest::keyClick(form->FileList(), Qt::Key_Down);
    EXPECT_EQ(form->lblCam()->text(), QStringLiteral("NIKON D70"));
}

TEST_F(SelectionPanelTest, RefreshShowsANewFileAndResetsThePanel)
{
    click(0);
    WriteJpeg(dir.filePath(QStringLiteral("0_neu.jpg")), 10, 10);
    QTest::mouseClick(form->findChild<QLabel *>(QStringLiteral("lblRefresh")), Qt::LeftButton);
    EXPECT_EQ(form->FileList()->List(0), QStringLiteral("0_neu.jpg"));
    EXPECT_EQ(form->FileList()->ListIndex(), -1);
    EXPECT_TRUE(SelectedRows(*form->FileList()).isEmpty());
    EXPECT_TRUE(form->picPreview()->pixmap().isNull());
    EXPECT_EQ(form->lblSize()->text(), QStringLiteral("Bildgrösse: "));
    EXPECT_EQ(form->lblCam()->text(), QStringLiteral("Camera:"));
    EXPECT_EQ(form->lblISO()->text(), QStringLiteral("ISO:"));
    EXPECT_TRUE(form->txtInfo()->toPlainText().isEmpty());
    EXPECT_EQ(form->lblFileSize()->text(), QStringLiteral("7.958"));
    EXPECT_EQ(form->lblEXIFTime()->text(), QStringLiteral("30.05.2008 15:56:01"));
    EXPECT_FALSE(form->lblFileTime()->text().isEmpty());
}

TEST_F(SelectionPanelTest, RightButtonOpensTheMenuOthersDoNot)
{
    ClickEntry(*form->FileList(), 1, {}, Qt::MiddleButton);
    EXPECT_FALSE(form->mnuPop()->isVisible());
    ClickEntry(*form->FileList(), 1, {}, Qt::RightButton);
    EXPECT_TRUE(form->mnuPop()->isVisible());
    form->mnuPop()->hide();
}

TEST_F(SelectionPanelTest, DoubleClickOpensTheEntryInTheListsFolder)
{
    OpenedUrls opened;
    // Another folder typed into the path field does not redirect the open.
    form->txtPath()->setText(QDir::tempPath());
    FileListBox *list = form->FileList();
    // A real double-click starts with a press and release of its own.
    click(1);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualRect(list->model()->index(1, 0)).center());
    EXPECT_EQ(opened.paths(1), QStringList({dir.filePath(QStringLiteral("b_nikon.jpg"))}));
}

TEST(Form1Layout, ControlsAtTheirPlacesAndCaptionsAreNeverMarkup)
{
    Form1 form;
    const struct
    {
        const char *name;
        QRect place;
    } places[] = {
        {"Panel", {8, 8, 537, 529}},         {"Command1", {8, 560, 537, 33}},
        {"chkFileTime", {280, 539, 145, 17}}, {"chkFreeze", {423, 539, 139, 17}},
        {"Label2", {16, 540, 117, 17}},      {"lblEXIFTime", {116, 540, 153, 17}},
        {"picPreview", {8, 16, 133, 105}},    {"lblSize", {146, 15, 121, 17}},
        {"lblTimeDate", {145, 109, 121, 14}}, {"lblRefresh", {243, 114, 21, 23}},
        {"txtPath", {8, 136, 235, 19}},      {"ButtonBrowse", {244, 136, 21, 20}},
        {"FileList", {8, 160, 257, 344}},     {"lblFileTime", {124, 507, 137, 17}},
        {"txtInfo", {272, 16, 257, 509}},
    };
    for (const auto &control : places) {
        const auto *widget = form.findChild<QWidget *>(QString::fromLatin1(control.name));
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(widget->geometry(), control.place) << control.name;
    }
    EXPECT_EQ(form.Command1()->text(), QStringLiteral("EXIF-Zeit als Dateiname (ausgewählte Datei(en)"));
    EXPECT_EQ(form.chkFileTime()->text(), QStringLiteral("Dateizeit anpassen"));
    EXPECT_EQ(form.chkFreeze()->text(), QStringLiteral("EXIF Zeit einfrieren"));
    EXPECT_EQ(form.lblTimeDate()->text(), QStringLiteral("Datum & Zeit:"));

    // A camera may name itself in tags.
    form.lblCam()->setText(QStringLiteral("<b>X</b>"));
    EXPECT_EQ(form.lblCam()->textFormat(), Qt::PlainText);
    EXPECT_EQ(form.lblCam()->text(), QStringLiteral("<b>X</b>"));
}
