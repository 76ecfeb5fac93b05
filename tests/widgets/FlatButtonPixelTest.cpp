#include "ButtonTestSupport.h"

#include "widgets/ButtonColours.h"

#include <QPalette>
#include <QSet>

#include <tuple>
#include <utility>

namespace {

class FlatButtonPixels : public ButtonForm
{
protected:
    void SetUp() override
    {
        ButtonForm::SetUp();
        button = AddButton(QStringLiteral("&OK"), QPoint(20, 20));
        // Text without smoothing, so that glyph pixels carry the text colour exactly.
        QFont font = button->font();
        font.setStyleStrategy(QFont::NoAntialias);
        button->setFont(font);
        other = AddButton(QStringLiteral("&Cancel"), QPoint(20, 100));
        ShowActive();
        other->setFocus();
        QTest::mouseMove(&form, QPoint(300, 180));
    }

    // Brings the button into state s through its own input.
    void Enter(ButtonState s)
    {
        switch (s) {
        case StateDisabled:
            button->setEnabled(false);
            break;
        case StateNormal:
            break;
        case StateFocused:
            button->setFocus();
            break;
        case StateHot:
            QTest::mouseMove(button, Centre(button));
            break;
        case StatePressed:
            button->setFocus();
            QTest::keyPress(button, Qt::Key_Space);
            break;
        }
        ASSERT_EQ(button->State().CurrentState(), s);
    }

    QRgb Face() const { return button->palette().color(QPalette::Button).rgb() & 0x00FFFFFFu; }

    // The colours inside the three-pixel border.
    static QSet<QRgb> Inside(const QImage &image)
    {
        QSet<QRgb> colours;
        for (int y = 3; y < image.height() - 3; ++y)
            for (int x = 3; x < image.width() - 3; ++x)
                colours.insert(Pixel(image, x, y));
        return colours;
    }

    FlatButton *button = nullptr;
    FlatButton *other = nullptr;
};

class FlatButtonStatePixels : public FlatButtonPixels, public ::testing::WithParamInterface<int>
{
};

TEST_P(FlatButtonStatePixels, EdgeRowsAndCornersTakeTheStateColours)
{
    const ButtonColours &c = InitColours();
    const int s = GetParam();
    Enter(ButtonState(s));
    const QImage image = RenderButton(*button);
    const int w = image.width();
    const int h = image.height();
    const QRgb edge = c.EdgeColour[s] & 0x00FFFFFFu;
    EXPECT_EQ(Pixel(image, w / 2, 0), edge);
    EXPECT_EQ(Pixel(image, w / 2, h - 1), edge);
    EXPECT_EQ(Pixel(image, 0, h / 2), edge);
    EXPECT_EQ(Pixel(image, w - 1, h / 2), edge);
    // Edge lines stop short of the corners.
    EXPECT_NE(Pixel(image, w - 3, 0), edge);

    if (s >= StateNormal && s <= StateHot) {
        EXPECT_EQ(Pixel(image, w / 2, 1), c.TopRow1Colour[s] & 0x00FFFFFFu);
        EXPECT_EQ(Pixel(image, w / 2, 2), c.TopRow2Colour[s] & 0x00FFFFFFu);
        EXPECT_EQ(Pixel(image, w / 2, h - 3), c.BottomRow1Colour[s] & 0x00FFFFFFu);
        EXPECT_EQ(Pixel(image, w / 2, h - 2), c.BottomRow2Colour[s] & 0x00FFFFFFu);
        EXPECT_EQ(Pixel(image, 1, 3), c.RingTopColour[s] & 0x00FFFFFFu);
        EXPECT_EQ(Pixel(image, 4, 3), Rgb(252, 252, 251));
    } else {
        EXPECT_EQ(Pixel(image, 4, 4), c.FaceColour[s] & 0x00FFFFFFu);
        EXPECT_EQ(Pixel(image, w / 2, 1), c.FaceColour[s] & 0x00FFFFFFu);
    }

    const QRgb outer = c.CornerOuterColour[s] & 0x00FFFFFFu;
    const QRgb middle = c.CornerMiddleColour[s] & 0x00FFFFFFu;
    const QRgb inner = c.CornerInnerColour[s] & 0x00FFFFFFu;
    for (auto [x, y, colour] : std::initializer_list<std::tuple<int, int, QRgb>>{{0, 1, middle}, {2, 0, outer}, {1, 1, inner}, {w - 2, 0, middle},
                                {w - 1, 2, outer}, {0, h - 3, outer}, {1, h - 2, inner}, {w - 2, h - 2, inner},
                                {w - 3, h - 1, outer}, {w - 1, h - 2, middle}})
        EXPECT_EQ(Pixel(image, x, y), colour) << x << "," << y;

    for (auto [x, y] : std::initializer_list<std::pair<int, int>>{{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
        EXPECT_EQ(Pixel(image, x, y), Face()) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(AllStates, FlatButtonStatePixels, ::testing::Range(0, ButtonStateCount));

TEST_F(FlatButtonPixels, GradientRowsFollowTheRingColours)
{
    Enter(StateFocused);
    button->setFocusRect(false);
    const QImage image = RenderButton(*button);
    ASSERT_EQ(image.height(), 34);
    // Ring rectangle rows 3..32, n = 29; row 17 is 15 steps above the bottom:
    // 140 + 49/29*15, 174 + 37/29*15, 231 + 16/29*15.
    EXPECT_EQ(Pixel(image, 1, 17), Rgb(165, 193, 239));
    EXPECT_EQ(Pixel(image, 2, 17), Rgb(165, 193, 239));
    // The inner face, rows 3..31, n = 28: 236 + 16/28*14 = 244, 235 + 17/28*14 = 243.5 (even: 244), 230 + 21/28*14 = 240.5 (even: 240).
    EXPECT_EQ(Pixel(image, 3, 17), Rgb(244, 244, 240));
}

TEST_F(FlatButtonPixels, CornersAreCutFromTheWindowShape)
{
    const QImage image = RenderButton(*button, false);
    const int w = image.width();
    const int h = image.height();
    for (auto [x, y] : std::initializer_list<std::pair<int, int>>{{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
        EXPECT_EQ(Pixel(image, x, y), Rgb(1, 2, 3)) << x << "," << y;
    EXPECT_NE(Pixel(image, 1, 0), Rgb(1, 2, 3));
}

TEST_F(FlatButtonPixels, DisabledButtonHasFlatFaceGreyTextAndNoFocusRect)
{
    button->setFocus();
    Enter(StateDisabled);
    const QImage image = RenderButton(*button);
    EXPECT_EQ(Pixel(image, 3, 3), Rgb(245, 244, 234));
    const QSet<QRgb> inside = Inside(image);
    EXPECT_EQ(inside, (QSet<QRgb>{Rgb(245, 244, 234), Rgb(161, 161, 146)}));
}

TEST_F(FlatButtonPixels, EnabledTextTakesForeColor)
{
    button->setForeColor(QColor(200, 0, 0));
    EXPECT_TRUE(Inside(RenderButton(*button)).contains(Rgb(200, 0, 0)));
}

TEST_F(FlatButtonPixels, FocusRectOnlyWithFocusAndFocusRectNotForTheDefaultLook)
{
    const QRgb face = Rgb(252, 252, 251);
    const QRgb dotted = face ^ 0x00FFFFFFu;
    button->setDisplayAsDefault(true);
    ASSERT_EQ(button->State().CurrentState(), StateFocused);
    QImage image = RenderButton(*button);
    EXPECT_EQ(Pixel(image, image.width() / 2, 1), Rgb(206, 231, 255));
    EXPECT_EQ(Pixel(image, 3, 3), face);
    button->setDisplayAsDefault(false);

    Enter(StateFocused);
    image = RenderButton(*button);
    EXPECT_EQ(Pixel(image, 3, 3), dotted);
    EXPECT_EQ(Pixel(image, 4, 3), face);

    Enter(StateHot);
    EXPECT_EQ(Pixel(RenderButton(*button), 3, 3), dotted);

    button->setFocusRect(false);
    EXPECT_EQ(Pixel(RenderButton(*button), 3, 3), face);
}

TEST_F(FlatButtonPixels, SixPixelButtonSkipsTheEmptyBandAndDrawsTheRest)
{
    button->resize(77, 2);
    ASSERT_EQ(button->height(), 6);
    const QImage image = RenderButton(*button);
    const int m = image.width() / 2;
    for (auto [x, y, colour] : std::initializer_list<std::tuple<int, int, QRgb>>{
             {m, 0, Rgb(0, 60, 116)}, {m, 5, Rgb(0, 60, 116)}, {m, 1, Rgb(255, 255, 255)},
             {m, 2, Rgb(254, 254, 254)}, {m, 3, Rgb(226, 223, 214)}, {m, 4, Rgb(214, 208, 197)},
             {1, 3, Rgb(226, 223, 214)}, {1, 4, Rgb(82, 125, 165)}, {0, 2, Rgb(33, 85, 132)}})
        EXPECT_EQ(Pixel(image, x, y), colour) << x << "," << y;
}

} // namespace
