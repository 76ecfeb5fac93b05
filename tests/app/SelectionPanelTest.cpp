#include "ShownWindow.h"
#include "TestFiles.h"
#include "preview/PreviewLoader.h"

#include <gtest/gtest.h>

namespace {

const QColor Black(0, 0, 0);
const QColor DarkRed(192, 0, 0);

// A shown main window on a folder of sample photos, selected by real clicks.
struct SelectionPanelTest : ::testing::Test
{
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;

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
        window = ShowMainWindow(dir.path());
    }

    void click(int row, Qt::KeyboardModifiers modifiers = {})
    {
        ClickEntry(*window->files(), row, modifiers);
        WaitForPreview(*window);
    }

    QColor fileTimeColour() const { return window->fileTime()->palette().color(QPalette::WindowText); }
};

}

TEST_F(SelectionPanelTest, PhotoFillsEveryLabelOthersKeepWhatTheyCannotTell)
{
    click(0);
    // The landscape photo takes the box's whole width.
    EXPECT_EQ(window->preview()->pixmap().width(), window->preview()->contentsRect().width());
    // Width first; the camera's own f-number and exposure, not the APEX ones.
    const QStringList shown{window->imageSize()->text(), window->camera()->text(), window->aperture()->text(),
                            window->exposure()->text(), window->iso()->text(), window->summaryTime()->text(),
                            window->captureTime()->text(), window->fileSize()->text(), window->fileTime()->text()};
    EXPECT_EQ(shown, QStringList({"Bildgrösse: 100 x 68", "Canon EOS 40D", "Blende: f 7,1", "Belichtung: 1/160s",
                                  "ISO 100", "2008:05:30  -  15:56:01", "30.05.2008 15:56:01", "7.958",
                                  "30.05.2008 15:56:01"}));
    EXPECT_EQ(fileTimeColour(), Black);
    EXPECT_TRUE(window->tagList()->toPlainText().contains(QStringLiteral("Canon EOS 40D")));

    // A click on the preview empties only the preview; a right click, or a
    // press released off it, does not.
    QTest::mouseClick(window->preview(), Qt::RightButton);
    QTest::mousePress(window->preview(), Qt::LeftButton);
    QTest::mouseRelease(window->preview(), Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_FALSE(window->preview()->pixmap().isNull());
    QTest::mouseClick(window->preview(), Qt::LeftButton);
    EXPECT_TRUE(window->preview()->pixmap().isNull());
    EXPECT_EQ(window->camera()->text(), QStringLiteral("Canon EOS 40D"));

    // Without EXIF: says so, the file time in dark red; the frozen time stays.
    click(2);
    EXPECT_EQ(window->captureTime()->text(), QStringLiteral("No EXIF Data"));
    EXPECT_EQ(window->camera()->text(), QStringLiteral("Camera:"));
    EXPECT_EQ(window->imageSize()->text(), QStringLiteral("Bildgrösse: 40 x 30"));
    EXPECT_EQ(fileTimeColour(), DarkRed);
    ASSERT_TRUE(window->frozenTime);
    EXPECT_EQ(window->frozenTime->exifText(), QStringLiteral("2008:05:30 15:56:01"));

    // An empty file: no picture, no bytes, the last size stays.
    click(3);
    EXPECT_TRUE(window->preview()->pixmap().isNull());
    EXPECT_EQ(window->imageSize()->text(), QStringLiteral("Bildgrösse: 40 x 30"));
    EXPECT_TRUE(window->fileSize()->text().isEmpty());
}

TEST_F(SelectionPanelTest, APreviewComingLateNeverReplacesTheNewerSelections)
{
    WriteJpeg(dir.filePath(QStringLiteral("e_large.jpg")), 6000, 1000);
    window->rereadFolder();
    click(0);
    const QSize canon = window->preview()->pixmap().size();
    // What was prepared ahead is stale once the large photo changes.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->previews().busy(); }));
    SetModified(dir.filePath(QStringLiteral("e_large.jpg")), QDateTime(QDate(2020, 1, 1), QTime(12, 0)));
    ClickEntry(*window->files(), 4);
    ClickEntry(*window->files(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->previews().busy(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(window->preview()->pixmap().size(), canon);
    EXPECT_EQ(window->imageSize()->text(), QStringLiteral("Bildgrösse: 100 x 68"));
}
