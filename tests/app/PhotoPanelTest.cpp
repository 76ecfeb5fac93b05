#include "ShownWindow.h"
#include "TestFiles.h"
#include "preview/PreviewLoader.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// A shown main window on a folder of sample photos, selected by real clicks.
struct PhotoPanelTest : ::testing::Test
{
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;

    void SetUp() override
    {
        // 2008:05:30 15:56:01, ExifTool: Canon EOS 40D, f/7.1 (aperture 7.0),
        // 1/160 s (shutter speed 1/166), ISO 100, 100 x 68 pixels, 7958 bytes.
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
        ClickEntry(ListOf(*window), row, modifiers);
        WaitForPreview(*window);
    }

    QString text(const char *name) const { return TextOf(*window, name); }

    // The file time in the warning colour rather than the panel's text colour.
    bool fileTimeWarns() const
    {
        const QWidget &fileTime = Find<ElidedLabel>(*window, "fileTime");
        return fileTime.palette().color(QPalette::WindowText) != window->palette().color(QPalette::WindowText);
    }

    const PreviewView &preview() const { return PreviewOf(*window); }
};

}

TEST_F(PhotoPanelTest, PhotoFillsEveryLabelOthersKeepWhatTheyCannotTell)
{
    click(0);
    // The landscape photo takes the box's whole width.
    EXPECT_EQ(preview().picture().width(), preview().contentsRect().width());
    // The camera's own f-number and exposure, not the APEX ones; dates the
    // locale's way, with seconds, all alike.
    const QStringList shown{text("camera"), text("aperture"), text("exposure"), text("iso"),     text("taken"),
                            text("imageSize"), text("fileSize"), text("fileTime"), text("captureTime")};
    EXPECT_EQ(shown, QStringList({"Canon EOS 40D", "f/7,1", "1/160 s", "100", "30.05.2008 15:56:01", "100 × 68",
                                  "8,0 kB", "30.05.2008 15:56:01", "30.05.2008 15:56:01"}));
    EXPECT_FALSE(fileTimeWarns());
    const auto tagList = [&] { return Find<QPlainTextEdit>(*window, "tagList").toPlainText(); };
    // The tag list ends with the capture time and where it came from.
    EXPECT_TRUE(tagList().contains(QStringLiteral("Model: Canon EOS 40D\n"))) << tagList().toStdString();
    EXPECT_TRUE(tagList().endsWith(QStringLiteral("\nAufnahmezeit: 2008-05-30 15:56:01.00 (EXIF)")))
        << tagList().toStdString();

    // A click on the preview empties only the preview; a right click, or a
    // press released off it, does not.
    auto &box = PreviewOf(*window);
    QTest::mouseClick(&box, Qt::RightButton);
    QTest::mousePress(&box, Qt::LeftButton);
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_FALSE(preview().picture().isNull());
    QTest::mouseClick(&box, Qt::LeftButton);
    EXPECT_TRUE(preview().picture().isNull());
    EXPECT_EQ(text("camera"), QStringLiteral("Canon EOS 40D"));

    // Without EXIF: says so, the file time stands out; frozen, the time of
    // the photo before is the batch's.
    click(2);
    EXPECT_EQ(text("captureTime"), QStringLiteral("keine"));
    EXPECT_EQ(tagList(), QStringLiteral("Keine EXIF-Daten vorhanden.\nAufnahmezeit: keine"));
    EXPECT_EQ(text("camera"), QString());
    EXPECT_EQ(text("imageSize"), QStringLiteral("40 × 30"));
    EXPECT_TRUE(fileTimeWarns());
    Find<QCheckBox>(*window, "freezeTime").setChecked(true);
    EXPECT_EQ(text("captureTime"), QStringLiteral("30.05.2008 15:56:01"));

    // An empty file: no picture, and no size of another photo.
    click(3);
    EXPECT_TRUE(preview().picture().isNull());
    EXPECT_EQ(tagList(), QStringLiteral("Error."));
    EXPECT_EQ(text("imageSize"), QString());
}

// The file time is held against the capture time as a moment, whatever
// form the locale writes either in; frozen, against the frozen time.
TEST_F(PhotoPanelTest, FileTimeStandsOutWhenItIsAnotherMomentInAnyLocale)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    click(0);
    EXPECT_FALSE(fileTimeWarns()) << text("fileTime").toStdString();
    EXPECT_EQ(text("fileTime"), text("taken"));
    click(1);
    EXPECT_TRUE(fileTimeWarns());
    click(0);
    Find<QCheckBox>(*window, "freezeTime").setChecked(true);
    click(1);
    EXPECT_FALSE(fileTimeWarns()) << "compared with the frozen time of a_canon.jpg";
    SetModified(dir.filePath(QStringLiteral("b_nikon.jpg")), QDateTime(QDate(2008, 5, 30), QTime(15, 56, 2)));
    click(0);
    click(1);
    EXPECT_TRUE(fileTimeWarns());
}

TEST_F(PhotoPanelTest, APreviewComingLateNeverReplacesTheNewerSelections)
{
    WriteJpeg(dir.filePath(QStringLiteral("e_large.jpg")), 6000, 1000);
    window->openPaths({dir.path()});
    click(0);
    const QSize canon = preview().picture().size();
    // What was prepared ahead is stale once the large photo changes.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !preview().loader().busy(); }));
    SetModified(dir.filePath(QStringLiteral("e_large.jpg")), QDateTime(QDate(2020, 1, 1), QTime(12, 0)));
    ClickEntry(ListOf(*window), 4);
    ClickEntry(ListOf(*window), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !preview().loader().busy(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(preview().picture().size(), canon);
    EXPECT_EQ(text("imageSize"), QStringLiteral("100 × 68"));
}

// Once a resize has settled the photo is decoded again for the new box,
// not the old picture blown up.
TEST_F(PhotoPanelTest, AResizedBoxGetsThePhotoDecodedAgainAtItsSize)
{
    WriteJpeg(dir.filePath(QStringLiteral("e_large.jpg")), 3000, 2000);
    window->openPaths({dir.path()});
    window->resize(700, 500);
    click(4);
    const int before = preview().picture().width();
    window->resize(1400, 900);
    EXPECT_TRUE(QTest::qWaitFor([&] { return preview().picture().width() > before; }));
    EXPECT_EQ(preview().picture().width(), preview().contentsRect().width());
    // Once: a size that holds asks for nothing more.
    QSignalSpy asked(&preview().loader(), &PreviewLoader::ready);
    QTest::qWait(400);
    EXPECT_EQ(asked.count(), 0);
}
