#include "ShownWindow.h"

#include <gtest/gtest.h>

// A HiDPI laptop: set before the test program makes its QApplication.
static const bool Scaled = qputenv("QT_SCALE_FACTOR", "2");

// At twice the scale the whole window, rename button included, fits a
// 1600 x 1000 screen with a title bar: its least size is at most 780 x 440
// logical pixels, and at that size every control is inside it.
TEST(Scale, TheWholeWindowFitsALaptopScreenAtScaleTwo)
{
    ASSERT_TRUE(Scaled);
    QTemporaryDir dir;
    const auto window = ShowMainWindow(dir.path());
    ASSERT_EQ(window->devicePixelRatio(), 2);
    const QSize least = window->minimumSizeHint();
    EXPECT_LE(least.width(), 780);
    EXPECT_LE(least.height(), 440);
    window->resize(least);
    QTest::qWait(50);
    for (const char *name : {"renameButton", "adjustFileTime", "freezeTime", "pathField", "fileList", "tagList"}) {
        const QWidget &control = *window->findChild<QWidget *>(QLatin1String(name));
        const QRect place(control.mapTo(window.get(), QPoint()), control.size());
        EXPECT_TRUE(window->rect().contains(place)) << name;
        EXPECT_FALSE(control.visibleRegion().isEmpty()) << name;
    }
}
