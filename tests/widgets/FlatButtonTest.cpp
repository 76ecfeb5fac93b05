#include "widgets/AccessKey.h"
#include "widgets/FlatButton.h"

#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Three buttons in a row on a shown, active form, driven by real Qt events.
class FlatButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form.resize(400, 200);
        first = Add(QStringLiteral("&Neu"), 10);
        middle = Add(QStringLiteral("&OK"), 110);
        last = Add(QStringLiteral("&Abbrechen"), 210);
        form.show();
        ASSERT_TRUE(Activate(form));
        QTest::mouseMove(&form, away);
    }

    FlatButton *Add(const QString &caption, int x)
    {
        auto *button = new FlatButton(&form);
        button->setCaption(caption);
        button->move(x, 10);
        return button;
    }

    static bool Activate(QWidget &window)
    {
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    static ButtonState State(const FlatButton *button) { return button->State().CurrentState(); }

    QWidget form;
    const QPoint away{390, 190};
    FlatButton *first = nullptr;
    FlatButton *middle = nullptr;
    FlatButton *last = nullptr;
};

TEST_F(FlatButtonTest, MouseClicksOnceAndOnlyWhenReleasedOverTheButton)
{
    QSignalSpy clicks(middle, &FlatButton::Click);
    const QPoint centre = middle->rect().center(), outside(-30, 5);
    QTest::mouseMove(middle, centre);
    EXPECT_EQ(State(middle), StateHot);
    QTest::mouseMove(&form, away);
    EXPECT_EQ(State(middle), StateNormal);
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
    QTest::mouseRelease(middle, Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks.count(), 2);
    QTest::mouseClick(middle, Qt::RightButton, {}, centre);
    EXPECT_EQ(clicks.count(), 2);
    // Space while the left button is held: the release clicks, once.
    QTest::mousePress(middle, Qt::LeftButton, {}, centre);
    QTest::keyClick(middle, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 2);
    QTest::mouseRelease(middle, Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks.count(), 3);
    // Space released with the pointer over the button leaves the hot look.
    QTest::keyClick(middle, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 4);
    EXPECT_EQ(State(middle), StateHot);

    // Leaving takes the hot look away; a focused button keeps its focus look.
    QTest::mouseMove(&form, away);
    EXPECT_EQ(State(middle), StateFocused);
    middle->clearFocus();
    EXPECT_EQ(State(middle), StateNormal);
}

TEST_F(FlatButtonTest, SpaceClicksOnReleaseEnterOnPressArrowsMoveTheFocus)
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
    QTest::keyClick(middle, Qt::Key_Enter);
    EXPECT_EQ(clicks.count(), 3);

    // A held key repeats as release and press pairs: one click at the real release.
    QTest::keyPress(middle, Qt::Key_Space);
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(middle, &repeatRelease);
    EXPECT_EQ(clicks.count(), 3);
    QTest::keyRelease(middle, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 4);

    QTest::keyClick(middle, Qt::Key_Left);
    EXPECT_TRUE(first->hasFocus());
    QTest::keyClick(first, Qt::Key_Right);
    QTest::keyClick(middle, Qt::Key_Down);
    EXPECT_TRUE(last->hasFocus());
    QTest::keyClick(last, Qt::Key_Up);
    EXPECT_TRUE(middle->hasFocus());
    EXPECT_EQ(State(last), StateNormal);
}

TEST_F(FlatButtonTest, AccessKeyClicksFollowsTheCaptionAndCancelsASpacePress)
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
    // A press the focus left behind cancels nothing.
    QTest::keyPress(last, Qt::Key_Space);
    first->setFocus();
    QTest::keyClick(&form, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 2);

    QSignalSpy middleClicks(middle, &FlatButton::Click);
    middle->setCaption(QStringLiteral("&Weiter"));
    QTest::keyClick(&form, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(middleClicks.count(), 0);
    QTest::keyClick(&form, Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(middleClicks.count(), 1);
}

TEST_F(FlatButtonTest, DisabledButtonIgnoresInputButADisabledFormKeepsItsLook)
{
    form.setEnabled(false);
    EXPECT_TRUE(middle->Enabled());
    EXPECT_EQ(State(middle), StateNormal);
    form.setEnabled(true);

    QSignalSpy clicks(middle, &FlatButton::Click);
    // QWidget::setEnabled on the button itself counts as the property.
    static_cast<QWidget *>(middle)->setEnabled(false);
    EXPECT_FALSE(middle->Enabled());
    QTest::mouseMove(middle, middle->rect().center());
    QTest::mouseClick(middle, Qt::LeftButton, {}, middle->rect().center());
    QTest::keyClick(&form, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(State(middle), StateDisabled);
    middle->setEnabled(true);
    EXPECT_EQ(State(middle), StateNormal);
}

// The form's activation reaches each button through the hooks on the form,
// also after another button on it was deleted, in either order.
TEST_F(FlatButtonTest, DeactivatedFormCancelsAPressAfterAnyButtonWasDeleted)
{
    for (FlatButton *gone : {first, last}) {
        delete gone;
        QSignalSpy clicks(middle, &FlatButton::Click);
        QTest::mouseMove(middle, middle->rect().center());
        QTest::mousePress(middle, Qt::LeftButton, {}, middle->rect().center());
        QWidget other;
        other.show();
        ASSERT_TRUE(Activate(other));
        EXPECT_EQ(State(middle), StateNormal);
        QTest::mouseRelease(middle, Qt::LeftButton, {}, middle->rect().center());
        EXPECT_EQ(clicks.count(), 0);
        ASSERT_TRUE(Activate(form));
        QTest::mouseMove(&form, away);
        middle->clearFocus();
    }
}

// The five looks, each reached through the button's own input, against the
// picture in tests/data (shown enlarged in docs/button-states.png). A
// changed drawing leaves its picture in the temporary folder for review.
TEST_F(FlatButtonTest, FiveLooksMatchThePicture)
{
    const QSize size(40, 20);
    QImage looks(size.width() * 5, size.height(), QImage::Format_RGB32);
    QPainter painter(&looks);
    FlatButton *buttons[5];
    for (int s = 0; s < 5; ++s) {
        buttons[s] = new FlatButton(&form);
        buttons[s]->setCaption(QString());
        buttons[s]->setGeometry(QRect(QPoint(10 + s * 50, 80), size));
        buttons[s]->show();
    }
    // Buttons learn that their form is active when it is activated.
    QWidget other;
    other.show();
    ASSERT_TRUE(Activate(other) && Activate(form));
    for (int s = 0; s < 5; ++s) {
        FlatButton *button = buttons[s];
        switch (ButtonState(s)) {
        case StateDisabled: button->setEnabled(false); break;
        case StateNormal: break;
        case StateFocused: button->setFocus(); break;
        case StateHot: QTest::mouseMove(button, button->rect().center()); break;
        case StatePressed: button->setFocus(); QTest::keyPress(button, Qt::Key_Space); break;
        }
        ASSERT_EQ(State(button), s);
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        button->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        painter.drawImage(s * size.width(), 0, image);
    }
    painter.end();
    const QImage expected(QStringLiteral(FOTLEX_TESTDATA "/../button-looks.png"));
    const bool same = looks == expected.convertToFormat(QImage::Format_RGB32);
    if (!same)
        looks.save(QDir::temp().filePath(QStringLiteral("button-looks.png")));
    EXPECT_TRUE(same) << "see " << QDir::temp().filePath(QStringLiteral("button-looks.png")).toStdString();
}

TEST(FlatButtonCaption, AccessKeyIsTheLetterAfterTheFirstSingleAmpersand)
{
    const std::pair<const char *, const char *> cases[] = {
        {"&OK", "o"}, {"Neuer &Ordner", "o"}, {"A&&B &Cd", "c"}, {"&Übernehmen", "ü"},
        {"", ""}, {"&&", ""}, {"Fish && Chips", ""}, {"OK&", ""}, {"&A", ""}};
    for (auto [caption, key] : cases)
        EXPECT_EQ(AccessKeyOf(QString::fromUtf8(caption)), QString::fromUtf8(key)) << caption;
}

} // namespace
