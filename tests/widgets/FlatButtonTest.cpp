#include "widgets/FlatButton.h"

#include "tests/support/Palettes.h"

#include <QDir>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

bool Activate(QWidget &window)
{
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Two buttons on a shown, active form, driven by real Qt events.
class FlatButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form.resize(300, 120);
        first = new FlatButton(QStringLiteral("&Neu"), &form);
        first->setGeometry(10, 10, 80, 24);
        last = new FlatButton(QStringLiteral("&Abbrechen"), &form);
        last->setGeometry(110, 10, 80, 24);
        form.show();
        ASSERT_TRUE(Activate(form));
        QTest::mouseMove(&form, away);
    }

    QWidget form;
    const QPoint away{290, 110};
    FlatButton *first = nullptr;
    FlatButton *last = nullptr;
};

TEST_F(FlatButtonTest, MouseSpaceEnterAndTheAccessKeyClick)
{
    QSignalSpy clicks(last, &QAbstractButton::clicked);
    const auto clicked = [&clicks](int count) { return QTest::qWaitFor([&] { return clicks.count() == count; }); };
    const QPoint centre = last->rect().center(), outside(-30, 5);
    // A press dragged off the button and released there clicks nothing.
    QTest::mousePress(last, Qt::LeftButton, {}, centre);
    QTest::mouseMove(last, outside);
    QTest::mouseRelease(last, Qt::LeftButton, {}, outside);
    QTest::mouseClick(last, Qt::RightButton, {}, centre);
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseClick(last, Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks.count(), 1);

    last->setFocus();
    QTest::keyPress(last, Qt::Key_Space);
    EXPECT_TRUE(last->isDown());
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyRelease(last, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 2);
    QTest::keyClick(last, Qt::Key_Return);
    QTest::keyClick(last, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks.count(), 4);

    first->setFocus();
    QTest::keyClick(&form, Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(clicked(5));
    // The access key follows the text.
    last->setText(QStringLiteral("&Weiter"));
    QTest::keyClick(&form, Qt::Key_A, Qt::AltModifier);
    QTest::keyClick(&form, Qt::Key_W, Qt::AltModifier);
    EXPECT_TRUE(clicked(6));

    last->setEnabled(false);
    QTest::mouseClick(last, Qt::LeftButton, {}, centre);
    QTest::keyClick(&form, Qt::Key_W, Qt::AltModifier);
    QTest::qWait(50);
    EXPECT_EQ(clicks.count(), 6);
}

// The window losing the activation takes a press with it.
TEST_F(FlatButtonTest, DeactivatedWindowCancelsAPress)
{
    QSignalSpy clicks(last, &QAbstractButton::clicked);
    const QPoint centre = last->rect().center();
    QTest::mousePress(last, Qt::LeftButton, {}, centre);
    EXPECT_TRUE(last->isDown());
    QWidget other;
    other.show();
    ASSERT_TRUE(Activate(other));
    EXPECT_FALSE(last->isDown());
    QTest::mouseRelease(last, Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks.count(), 0);
}

// The five looks, each reached through the button's own input, on the fixed
// light and dark palettes, against the pictures in tests/data (the light one
// shown enlarged in docs/button-states.png). A changed drawing leaves its
// picture in the temporary folder for review.
TEST_F(FlatButtonTest, FiveLooksMatchThePictures)
{
    const QSize size(40, 20);
    for (const bool dark : {false, true}) {
        form.setPalette(FixedPalette(dark));
        QImage looks(size.width() * 5, size.height(), QImage::Format_RGB32);
        QPainter painter(&looks);
        for (int look = 0; look < 5; ++look) {
            auto *button = new FlatButton(QString(), &form);
            button->setGeometry(QRect(QPoint(10 + look * 50, 60), size));
            button->show();
            switch (look) {
            case 0: button->setEnabled(false); break;
            case 2: button->setFocus(); break;
            case 3: QTest::mouseMove(button, button->rect().center()); break;
            case 4: button->setFocus(); QTest::keyPress(button, Qt::Key_Space); break;
            }
            QImage image(size, QImage::Format_RGB32);
            image.fill(form.palette().color(QPalette::Window));
            button->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            painter.drawImage(look * size.width(), 0, image);
            delete button;
        }
        painter.end();
        const QString name = dark ? QStringLiteral("button-looks-dark.png") : QStringLiteral("button-looks.png");
        const QImage expected(QStringLiteral(FOTLEX_TESTDATA "/../") + name);
        const bool same = looks == expected.convertToFormat(QImage::Format_RGB32);
        if (!same)
            looks.save(QDir::temp().filePath(name));
        EXPECT_TRUE(same) << "see " << QDir::temp().filePath(name).toStdString();
    }
}

} // namespace
