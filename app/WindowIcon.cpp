#include "app/WindowIcon.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap DrawnIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 128), 2));
    painter.setBrush(QColor(128, 192, 255));
    painter.drawRect(3, 5, 26, 22);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 208, 0));
    painter.drawEllipse(QPoint(22, 11), 3, 3);
    painter.setBrush(QColor(0, 128, 64));
    painter.drawPolygon(QPolygon({QPoint(4, 26), QPoint(13, 13), QPoint(19, 21), QPoint(22, 18),
                                  QPoint(28, 26)}));
    painter.end();
    return pixmap;
}

}

QIcon WindowIcon()
{
    return QIcon::fromTheme(QStringLiteral(FOTLEX_APP_ID), DrawnIcon());
}
