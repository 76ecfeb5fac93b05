#include "DialogDriving.h"

#include "dialogs/frmDirSelect.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

void click(QWidget *button)
{
    const QPoint centre = button->rect().center();
    QMouseEvent move(QEvent::MouseMove, centre, button->mapToGlobal(centre), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(button, &move);
    QTest::mouseClick(button, Qt::LeftButton, {}, centre);
}

static QPoint itemCentre(QListWidget &list, const QString &text)
{
    const QList<QListWidgetItem *> items = list.findItems(text, Qt::MatchExactly);
    EXPECT_FALSE(items.isEmpty()) << text.toStdString();
    return items.isEmpty() ? QPoint() : list.visualItemRect(items.first()).center();
}

void clickItem(QListWidget &list, const QString &text)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, itemCentre(list, text));
}

// A real double-click starts with a click; QTest sends only the second half.
void doubleClickItem(QListWidget &list, const QString &text)
{
    clickItem(list, text);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, itemCentre(list, text));
}

void answerDirSelect(std::function<void(frmDirSelect &)> answer)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answer = std::move(answer)] {
        auto *dialog = qobject_cast<frmDirSelect *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isActiveWindow())
            return;
        timer->stop();
        timer->deleteLater();
        answer(*dialog);
    });
    timer->start(5);
}
