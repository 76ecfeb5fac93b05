#include "DialogDriving.h"

#include "dialogs/frmDirSelect.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

void click(QWidget *button)
{
    const QPoint centre = button->rect().center();
    QMouseEvent move(QEvent::MouseMove, centre, button->mapToGlobal(centre), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(button, &move);
    QTest::mouseClick(button, Qt::LeftButton, {}, centre);
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
