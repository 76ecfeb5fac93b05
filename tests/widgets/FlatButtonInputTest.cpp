#include "ButtonTestSupport.h"

#include <QCursor>
#include <QSignalSpy>

#include <cmath>

namespace {

class FlatButtonInput : public ButtonForm
{
protected:
    void SetUp() override
    {
        ButtonForm::SetUp();
        first = AddButton(QStringLiteral("&Neu"), QPoint(10, 10));
        middle = AddButton(QStringLiteral("&OK"), QPoint(110, 10));
        last = AddButton(QStringLiteral("&Abbrechen"), QPoint(210, 10));
        ShowActive();
        QTest::mouseMove(&form, QPoint(390, 190));
    }

    FlatButton *first = nullptr;
    FlatButton *middle = nullptr;
    FlatButton *last = nullptr;
};

TEST_F(FlatButtonInput, ReleaseOutsideDoesNotClickButReturningDoes)
{
    QSignalSpy clicks(middle, &FlatButton::Click);
    const QPoint outside(-30, 5);
    QTest::mouseMove(middle, Centre(middle));
    QTest::mousePress(middle, Qt::LeftButton, {}, Centre(middle));
    EXPECT_TRUE(middle->hasFocus());
    QTest::mouseMove(middle, outside);
    EXPECT_EQ(middle->State().CurrentState(), StateFocused);
    QTest::mouseRelease(middle, Qt::LeftButton, {}, outside);
    EXPECT_EQ(clicks.count(), 0);

    QTest::mouseMove(middle, Centre(middle));
    QTest::mousePress(middle, Qt::LeftButton, {}, Centre(middle));
    QTest::mouseMove(middle, outside);
    QTest::mouseMove(middle, Centre(middle));
    EXPECT_EQ(middle->State().CurrentState(), StatePressed);
    QTest::mouseRelease(middle, Qt::LeftButton, {}, Centre(middle));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(middle->State().CurrentState(), StateHot);
}

TEST_F(FlatButtonInput, DoubleClickClicksOnceAndRaisesDblClick)
{
    QSignalSpy clicks(middle, &FlatButton::Click);
    QSignalSpy doubleClicks(middle, &FlatButton::DblClick);
    QTest::mouseMove(middle, Centre(middle));
    // The platform's order: press, release, double click, release.
    QTest::mouseClick(middle, Qt::LeftButton, {}, Centre(middle));
    QTest::mouseDClick(middle, Qt::LeftButton, {}, Centre(middle));
    EXPECT_EQ(middle->State().CurrentState(), StatePressed);
    QTest::mouseRelease(middle, Qt::LeftButton, {}, Centre(middle));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(middle->State().CurrentState(), StateHot);
}

TEST_F(FlatButtonInput, SnapMouseToPutsThePointerOnTheCentre)
{
    middle->setFixedSize(77, 34);
    middle->SnapMouseTo();
    // Halves go to the even pixel.
    const QPoint origin = middle->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(QCursor::pos(), QPoint(int(std::nearbyint(origin.x() + 38.5)), origin.y() + 17));
}

TEST_F(FlatButtonInput, MouseMoveReportsButtonShiftAndPosition)
{
    QSignalSpy moves(middle, &FlatButton::MouseMove);
    QTest::mouseMove(middle, QPoint(7, 9));
    ASSERT_GE(moves.count(), 1);
    const QList<QVariant> last = moves.takeLast();
    EXPECT_EQ(last.at(0).toInt(), 0);
    EXPECT_EQ(last.at(2).toFloat(), 7.0f);
    EXPECT_EQ(last.at(3).toFloat(), 9.0f);
}

TEST_F(FlatButtonInput, PointerLeavingTakesTheHotLookAway)
{
    QTest::mouseMove(middle, Centre(middle));
    ASSERT_EQ(middle->State().CurrentState(), StateHot);
    QTest::mouseMove(&form, QPoint(390, 190));
    EXPECT_FALSE(middle->State().IsHot());
    EXPECT_EQ(middle->State().CurrentState(), StateNormal);

    middle->setFocus();
    QTest::mouseMove(middle, Centre(middle));
    QTest::mouseMove(&form, QPoint(390, 190));
    EXPECT_EQ(middle->State().CurrentState(), StateFocused);
}

TEST_F(FlatButtonInput, SpaceClicksOnReleaseEnterOnPress)
{
    QSignalSpy clicks(middle, &FlatButton::Click);
    middle->setFocus();
    QTest::keyPress(middle, Qt::Key_Space);
    EXPECT_EQ(middle->State().CurrentState(), StatePressed);
    EXPECT_EQ(clicks.count(), 0);
    QTest::keyRelease(middle, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(middle->State().CurrentState(), StateFocused);

    QTest::keyPress(middle, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(middle->State().CurrentState(), StateFocused);
    QTest::keyClick(middle, Qt::Key_Enter);
    EXPECT_EQ(clicks.count(), 3);
}

TEST_F(FlatButtonInput, SpaceAutoRepeatClicksOnce)
{
    QSignalSpy clicks(middle, &FlatButton::Click);
    middle->setFocus();
    QTest::keyPress(middle, Qt::Key_Space);
    QTest::sendKeyEvent(QTest::KeyAction::Release, middle, Qt::Key_Space, ' ', {}, -1);
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(middle, &repeatRelease);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(FlatButtonInput, ArrowKeysMoveTheFocus)
{
    middle->setFocus();
    QTest::keyClick(middle, Qt::Key_Left);
    EXPECT_TRUE(first->hasFocus());
    QTest::keyClick(first, Qt::Key_Right);
    QTest::keyClick(middle, Qt::Key_Down);
    EXPECT_TRUE(last->hasFocus());
    QTest::keyClick(last, Qt::Key_Up);
    EXPECT_TRUE(middle->hasFocus());
    EXPECT_EQ(last->State().CurrentState(), StateNormal);
    EXPECT_EQ(middle->State().CurrentState(), StateFocused);
}

TEST_F(FlatButtonInput, AccessKeyClicksAndCancelsSpace)
{
    QSignalSpy clicks(last, &FlatButton::Click);
    QTest::keyClick(&form, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);

    last->setFocus();
    QTest::keyPress(last, Qt::Key_Space);
    QTest::keyClick(&form, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(last->State().CurrentState(), StateFocused);
    QTest::keyRelease(last, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(FlatButtonInput, CaptionChangeMovesTheAccessKey)
{
    QSignalSpy clicks(middle, &FlatButton::Click);
    middle->setCaption(QStringLiteral("&Weiter"));
    QTest::keyClick(&form, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 0);
    QTest::keyClick(&form, Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(FlatButtonInput, DisabledButtonGetsNoInput)
{
    QSignalSpy clicks(middle, &FlatButton::Click);
    QSignalSpy moves(middle, &FlatButton::MouseMove);
    middle->setEnabled(false);
    QTest::mouseMove(middle, Centre(middle));
    QTest::mouseClick(middle, Qt::LeftButton, {}, Centre(middle));
    QTest::mouseClick(middle, Qt::LeftButton, {}, Centre(middle));
    QTest::mouseDClick(middle, Qt::LeftButton, {}, Centre(middle));
    QTest::mouseRelease(middle, Qt::LeftButton, {}, Centre(middle));
    QTest::keyClick(&form, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(moves.count(), 0);
    EXPECT_EQ(middle->State().CurrentState(), StateDisabled);
}

TEST_F(FlatButtonInput, DisabledFormKeepsTheButtonsOwnLook)
{
    form.setEnabled(false);
    EXPECT_TRUE(middle->Enabled());
    EXPECT_EQ(middle->State().CurrentState(), StateNormal);
    form.setEnabled(true);

    // QWidget::setEnabled on the button itself counts as the property.
    static_cast<QWidget *>(middle)->setEnabled(false);
    EXPECT_FALSE(middle->Enabled());
    EXPECT_EQ(middle->State().CurrentState(), StateDisabled);
}

TEST_F(FlatButtonInput, InactiveFormShowsNoHotLookAndGivesNoClick)
{
    QWidget otherForm;
    otherForm.resize(100, 100);
    otherForm.show();
    ASSERT_TRUE(Activate(otherForm));
    ASSERT_FALSE(middle->State().FormActive());

    QSignalSpy clicks(middle, &FlatButton::Click);
    QTest::mouseMove(middle, Centre(middle));
    EXPECT_NE(middle->State().CurrentState(), StateHot);
    QTest::mouseRelease(middle, Qt::LeftButton, {}, Centre(middle));
    EXPECT_EQ(clicks.count(), 0);

    ASSERT_TRUE(Activate(form));
    EXPECT_TRUE(middle->State().FormActive());
}

} // namespace
