#include "ui/Ui.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// Kinds 1 to 4 show a box with their icon and one OK button, other kinds
// nothing; an empty title becomes the program's name, also in the caller's text.
TEST(ShowMessage, IconOfEachKindAndTheProgramNameAsDefaultTitle)
{
    const std::pair<int, QMessageBox::Icon> kinds[] = {
        {1, QMessageBox::Information}, {2, QMessageBox::Warning}, {3, QMessageBox::Critical},
        {4, QMessageBox::Question}, {0, QMessageBox::NoIcon}, {5, QMessageBox::NoIcon}, {-1, QMessageBox::NoIcon}};
    for (const auto &[kind, icon] : kinds) {
        for (const QString &given : {QString(), QStringLiteral("Umbenennen")}) {
            QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
            QString seenTitle;
            QTimer timer;
            QObject::connect(&timer, &QTimer::timeout, [&] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    timer.stop();
                    seenIcon = box->icon();
                    seenTitle = box->windowTitle();
                    EXPECT_EQ(box->text(), "Hallo");
                    EXPECT_EQ(box->buttons().size(), 1);
                    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
                }
            });
            timer.start(10);
            QString title = given;
            ShowMessage(QStringLiteral("Hallo"), kind, title);
            EXPECT_EQ(seenIcon, icon) << kind;
            EXPECT_EQ(title, given.isEmpty() ? "Fotlex" : given);
            if (icon != QMessageBox::NoIcon)
                EXPECT_EQ(seenTitle, title);
        }
    }
}
