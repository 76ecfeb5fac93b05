#include "ButtonTestSupport.h"

#include <QSignalSpy>

namespace {

// Real Qt events on three buttons in a row; the rules themselves are in ButtonStateMachineTest.
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
        QTest::mouseMove(&form, away);
    }

    static ButtonState State(const FlatButton *button) { return button->State().CurrentState(); }

    const QPoint away{390, 190};
    FlatButton *first = nullptr;
    FlatButton *middle = nullptr;
    FlatButton *last = nullptr;
};

TEST_F(FlatButtonInput, ReleaseOutsideDoesNotClickReturningDoesAndDoubleClickClicksOnce)
{
    QSignalSpy clicks(middle, &FlatButton::Click);
    QSignalSpy doubleClicks(middle, &FlatButton::DblClick);
    const QPoint centre = Centre(middle), outside(-30, 5);
    QTest::mouseMove(middle, centre);
    QTest::mousePress(middle, Qt::LeftButton, {}, centre);
    EXPECT_TRUE(middle->hasFocus());
    QTest::mouseMove(middle, outside);
    EXPECT_EQ(State(middle), StateFocused);
    QTest::mouseRelease(middle, Qt::LeftButton, {}, outside);
    EXPECT_EQ(clicks.count(), 0);

    QTest::mouseMove(middle, centre);
    QTest::mousePress(middle, Qt::LeftButton, {}, centre);
    QTest::mouseMove(middle, outside);
    QTest::mouseMove(middle, centre);
    EXPECT_EQ(State(middle), StatePressed);
    QTest::mouseRelease(middle, Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(State(middle), StateHot);

    // The platform's order: press, release, double click, release.
    QTest::mouseClick(middle, Qt::LeftButton, {}, centre);
    QTest::mouseDClick(middle, Qt::LeftButton, {}, centre);
    EXPECT_EQ(State(middle), StatePressed);
    QTest::mouseRelease(middle, Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(State(middle), StateHot);
}

TEST_F(FlatButtonInput, MouseMoveIsReportedAndLeavingTakesTheHotLookAway)
{
    QSignalSpy moves(middle, &FlatButton::MouseMove);
    QTest::mouseMove(middle, QPoint(7, 9));
    ASSERT_GE(moves.count(), 1);
    const QList<QVariant> report = moves.takeLast();
    EXPECT_EQ(report.at(0).toInt(), 0);
    EXPECT_EQ(report.at(2).toFloat(), 7.0f);
    EXPECT_EQ(report.at(3).toFloat(), 9.0f);
    ASSERT_EQ(State(middle), StateHot);

    QTest::mouseMove(&form, away);
    EXPECT_FALSE(middle->State().IsHot());
    EXPECT_EQ(State(middle), StateNormal);
    middle->setFocus();
    QTest::mouseMove(middle, Centre(middle));
    QTest::mouseMove(&form, away);
    EXPECT_EQ(State(middle), StateFocused);
}

TEST_F(FlatButtonInput, SpaceClicksOnReleaseOnceEnterOnPress)
{
    QSignalSpy clicks(middle, &FlatButton::Click);
    middle->setFocus();
    QTest::keyPress(middle, Qt::Key_Space);
    EXPECT_EQ(State(middle), StatePressed);
    EXPECT_EQ(clicks.count(), 0);
    QTest::keyRelease(middle, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(State(middle), StateFocused);

    QTest::keyPress(middle, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(State(middle), StateFocused);
    QTest::keyClick(middle, Qt::Key_Enter);
    EXPECT_EQ(clicks.count(), 3);

    // Auto-repeat: one press, then a release and a repeated release.
    QTest::keyPress(middle, Qt::Key_Space);
    QTest::sendKeyEvent(QTest::KeyAction::Release, middle, Qt::Key_Space, ' ', {}, -1);
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(middle, &repeatRelease);
    EXPECT_EQ(clicks.count(), 4);
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
    EXPECT_EQ(State(last), StateNormal);
    EXPECT_EQ(State(middle), StateFocused);
}

TEST_F(FlatButtonInput, AccessKeyClicksCancelsSpaceAndFollowsTheCaption)
{
    QSignalSpy clicks(last, &FlatButton::Click);
    QTest::keyClick(&form, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);

    last->setFocus();
    QTest::keyPress(last, Qt::Key_Space);
    QTest::keyClick(&form, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(State(last), StateFocused);
    QTest::keyRelease(last, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);

    QSignalSpy middleClicks(middle, &FlatButton::Click);
    middle->setCaption(QStringLiteral("&Weiter"));
    QTest::keyClick(&form, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(middleClicks.count(), 0);
    QTest::keyClick(&form, Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(middleClicks.count(), 1);
}

TEST_F(FlatButtonInput, DisabledButtonGetsNoInputButADisabledFormKeepsItsLook)
{
    form.setEnabled(false);
    EXPECT_TRUE(middle->Enabled());
    EXPECT_EQ(State(middle), StateNormal);
    form.setEnabled(true);

    QSignalSpy clicks(middle, &FlatButton::Click);
    QSignalSpy moves(middle, &FlatButton::MouseMove);
    // QWidget::setEnabled on the button itself counts as the property.
    static_cast<QWidget *>(middle)->setEnabled(false);
    EXPECT_FALSE(middle->Enabled());
    QTest::mouseMove(middle, Centre(middle));
    QTest::mouseClick(middle, Qt::LeftButton, {}, Centre(middle));
    QTest::mouseClick(middle, Qt::LeftButton, {}, Centre(middle));
    QTest::mouseDClick(middle, Qt::LeftButton, {}, Centre(middle));
    QTest::mouseRelease(middle, Qt::LeftButton, {}, Centre(middle));
    QTest::keyClick(&form, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(moves.count(), 0);
    EXPECT_EQ(State(middle), StateDisabled);
}

} // namespace
