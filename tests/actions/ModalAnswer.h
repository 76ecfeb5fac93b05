#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// Watches for modal message boxes while a command runs, notes what each
// showed and answers it through `answer` (by default with the Enter key).
class ModalAnswer
{
public:
    struct Box
    {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };

    explicit ModalAnswer(std::function<void(QMessageBox &)> answer = PressEnter)
        : answer_(std::move(answer))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(10);
    }

    static void PressEnter(QMessageBox &box) { QTest::keyClick(&box, Qt::Key_Return); }
    static void ClickNo(QMessageBox &box)
    {
        QTest::mouseClick(box.button(QMessageBox::No), Qt::LeftButton);
    }

    QList<Box> boxes;

private:
    void Poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == answered_)
            return;
        answered_ = box;
        QPushButton *def = box->defaultButton();
        boxes.append({box->windowTitle(), box->text(), box->icon(),
                      def ? box->standardButton(def) : QMessageBox::NoButton});
        answer_(*box);
    }

    std::function<void(QMessageBox &)> answer_;
    QTimer timer_;
    QPointer<QMessageBox> answered_;
};
