// Renders one FlatButton in each of its five looks side by side:
//   button_states_picture <output.png>
#include "widgets/FlatButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.png>\n", argv[0]);
        return 2;
    }

    const char *names[] = {"Deaktiviert", "Normal", "Fokus", "Maus darüber", "Gedrückt"};
    const int scale = 3;
    const QSize buttonSize(96, 30);
    const int gap = 12;
    QImage picture((buttonSize.width() + gap) * 5 * scale + gap * scale, (buttonSize.height() + 2 * gap + 14) * scale,
                   QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);

    for (int s = 0; s < 5; ++s) {
        QWidget form;
        auto *button = new FlatButton(&form);
        auto *other = new FlatButton(&form);
        button->setCaption(QStringLiteral("&Öffnen"));
        button->resize(buttonSize);
        other->move(0, 100);
        form.resize(200, 200);
        form.show();
        form.activateWindow();
        for (int i = 0; i < 100 && !form.isActiveWindow(); ++i)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        other->setFocus();
        if (s == 0)
            button->setEnabled(false);
        if (s == 2 || s == 4)
            button->setFocus();
        if (s == 3) {
            QMouseEvent move(QEvent::MouseMove, QPointF(20, 10), QPointF(20, 10), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QApplication::sendEvent(button, &move);
        }
        if (s == 4) {
            QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QApplication::sendEvent(button, &space);
        }
        QImage image(buttonSize, QImage::Format_RGB32);
        image.fill(Qt::white);
        button->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);

        const int x = (gap + s * (buttonSize.width() + gap)) * scale;
        painter.drawImage(QRect(QPoint(x, gap * scale), buttonSize * scale), image);
        painter.setPen(Qt::black);
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 9 * scale / 2));
        painter.drawText(QRect(x, (gap + buttonSize.height() + 4) * scale, buttonSize.width() * scale, 14 * scale),
                         Qt::AlignCenter, QString::fromUtf8(names[s]));
    }
    painter.end();
    if (!picture.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
