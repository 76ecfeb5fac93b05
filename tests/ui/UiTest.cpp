#include "ui/Ui.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct SeenBox
{
    bool shown = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    int buttons = 0;
};

// Shows the message and answers the box with a click on its OK button.
SeenBox ShowAndAnswer(const std::function<void()> &show)
{
    SeenBox seen;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer.stop();
        seen.shown = true;
        seen.icon = box->icon();
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.buttons = box->buttons().size();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    timer.start();
    show();
    return seen;
}

}

TEST(ShowMessage, IconOfEachKindAndTheProgramNameAsDefaultTitle)
{
    const std::pair<int, QMessageBox::Icon> kinds[] = {{1, QMessageBox::Information}, {2, QMessageBox::Warning},
                                                      {3, QMessageBox::Critical}, {4, QMessageBox::Question},
                                                      {0, QMessageBox::NoIcon}, {5, QMessageBox::NoIcon},
                                                      {-1, QMessageBox::NoIcon}, {64, QMessageBox::NoIcon}};
    for (const auto &[kind, icon] : kinds) {
        QString title = QStringLiteral("Umbenennen");
        const SeenBox seen = ShowAndAnswer([&] { ShowMessage(QStringLiteral("Datei existiert bereits.   "), kind, title); });
        // Other kinds show nothing.
        EXPECT_EQ(seen.shown, icon != QMessageBox::NoIcon) << kind;
        if (!seen.shown)
            continue;
        EXPECT_EQ(seen.icon, icon);
        EXPECT_EQ(seen.title, QStringLiteral("Umbenennen"));
        EXPECT_EQ(seen.text, QStringLiteral("Datei existiert bereits.   "));
        EXPECT_EQ(seen.buttons, 1);
    }
    for (int kind : {1, 0, 5, -1, 64}) {
        QString title;
        const SeenBox seen = ShowAndAnswer([&] { ShowMessage(QStringLiteral("Hallo"), kind, title); });
        EXPECT_EQ(seen.shown ? seen.title : title, QStringLiteral("Fotlex"));
        EXPECT_EQ(title, QStringLiteral("Fotlex"));
    }
    EXPECT_EQ(ShowAndAnswer([] { ShowMessage(QStringLiteral("Hallo"), 2); }).title, QStringLiteral("Fotlex"));
}

TEST(CenterForm, CentresInTwipsAndKeepsOnScreen)
{
    QWidget form;
    form.resize(301, 201);
    form.show();
    const QRect screen = form.screen()->geometry();
    CenterForm(form);
    // Twips: top = round(H * 15 * 0.95) / 2 - round(h * 15) / 2, back in
    // pixels; the form's size includes its frame.
    const QSize outer = form.frameGeometry().size();
    const long long top = std::llround(screen.height() * 15 * 0.95) / 2 - (outer.height() * 15) / 2;
    const long long left = (screen.width() * 15) / 2 - (outer.width() * 15) / 2;
    EXPECT_EQ(form.frameGeometry().top(), screen.top() + int(top / 15));
    EXPECT_EQ(form.frameGeometry().left(), screen.left() + int(left / 15));

    QWidget tall;
    tall.resize(screen.width() + 50, screen.height());
    tall.show();
    CenterForm(tall);
    EXPECT_EQ(tall.frameGeometry().top(), screen.top());
    EXPECT_EQ(tall.frameGeometry().left(), screen.left());
}

TEST(MakeTopmost, StaysShownAndOnTop)
{
    QWidget form;
    form.show();
    MakeTopmost(form);
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(form.isVisible());
    QWidget hidden;
    MakeTopmost(hidden);
    EXPECT_TRUE(hidden.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(hidden.isVisible());
}

