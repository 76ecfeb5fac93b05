#include "ShownWindow.h"
#include "TestFiles.h"
#include "tests/support/Palettes.h"

#include "widgets/Colours.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

struct WindowLayoutTest : ::testing::Test
{
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;

    void SetUp() override
    {
        // 3:2 landscape, and a camera name long enough to need its room.
        WriteJpeg(dir.filePath("a_landscape.jpg"), 1500, 1000);
        CopyPhoto(QStringLiteral("Canon_DIGITAL_IXUS_400.jpg"), dir.path(), QStringLiteral("b_ixus.jpg"));
        window = ShowMainWindow(dir.path());
    }

    void show(int row)
    {
        ClickEntry(ListOf(*window), row);
        WaitForPreview(*window);
    }
};

double Contrast(const QWidget &widget, QPalette::ColorRole text, QPalette::ColorRole background)
{
    return ContrastRatio(widget.palette().color(text), widget.palette().color(background));
}

}

// Maximised on a 1600 x 1000 screen with no settings file, the preview gets
// the room: a 3:2 photo covers at least a quarter of the window.
TEST_F(WindowLayoutTest, APhotoCoversAQuarterOfALargeWindow)
{
    window->resize(1600, 1000);
    show(0);
    const PreviewView &preview = PreviewOf(*window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return preview.picture().width() == preview.contentsRect().width(); }));
    const QSizeF shown = preview.picture().deviceIndependentSize();
    EXPECT_GE(shown.width() * shown.height(), 1600.0 * 1000 / 4) << shown.width() << " x " << shown.height();
}

// A light theme keeps the tag list's light yellow, a dark one its own
// colours; the batch's time and the file-time warning stay readable on both.
TEST_F(WindowLayoutTest, ColoursComeFromThePaletteReadableOnLightAndDark)
{
    WriteJpeg(dir.filePath("c_plain.jpg"), 40, 30);
    window->openPaths({dir.path()});
    show(1);
    show(2);
    for (const bool dark : {false, true}) {
        window->setPalette(FixedPalette(dark));
        const auto &tags = Find<QPlainTextEdit>(*window, "tagList");
        EXPECT_EQ(tags.palette().color(QPalette::Base), dark ? FixedPalette(true).color(QPalette::Base)
                                                            : QColor(255, 255, 192));
        EXPECT_GE(Contrast(tags, QPalette::Text, QPalette::Base), ReadableContrast);
        for (const char *label : {"captureTime", "timeCaption", "fileTime", "camera"}) {
            const QWidget &shown = *window->findChild<QWidget *>(QLatin1String(label));
            EXPECT_GE(Contrast(shown, QPalette::WindowText, QPalette::Window), ReadableContrast) << label << dark;
        }
        EXPECT_NE(Find<ElidedLabel>(*window, "fileTime").palette().color(QPalette::WindowText),
                  window->palette().color(QPalette::WindowText)) << "the warning stands out";
    }
}

// The tag list is read, selected and copied, never edited; Tab leaves it.
TEST_F(WindowLayoutTest, TagListIsReadOnlyAndTabMovesOn)
{
    show(1);
    auto &tags = Find<QPlainTextEdit>(*window, "tagList");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    tags.setFocus();
    const QString before = tags.toPlainText();
    QTest::keyClicks(&tags, "xyz");
    QTest::keyClick(&tags, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(tags.toPlainText(), before);
    EXPECT_EQ(tags.textCursor().selectedText().size(), before.size());
    QTest::keyClick(&tags, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &Find<QCheckBox>(*window, "adjustFileTime"));
}

// A value too long for its room ends in "…" with the whole as tooltip.
TEST_F(WindowLayoutTest, LongValuesAreElidedWithTheWholeAsTooltip)
{
    window->resize(1600, 1000);
    show(1);
    const auto &camera = Find<ElidedLabel>(*window, "camera");
    ASSERT_EQ(camera.text(), "Canon DIGITAL IXUS 400");
    EXPECT_FALSE(camera.isElided());
    window->resize(window->minimumSizeHint());
    ASSERT_TRUE(QTest::qWaitFor([&] { return camera.isElided(); }));
    EXPECT_EQ(camera.toolTip(), "Canon DIGITAL IXUS 400");
}
