#include "ui/Ui.h"

#include "ui/FormLayout.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {

// Halving as the forms do it: round to the nearest whole number (ties to
// even), then divide by 2 dropping the fraction.
long long HalfOf(double twips)
{
    return static_cast<long long>(std::nearbyint(twips)) / 2;
}

}

void ShowMessage(const QString &message, int kind, QString &title)
{
    if (title.isEmpty())
        title = ProgramName;
    QMessageBox::Icon icon;
    switch (kind) {
    case 1: icon = QMessageBox::Information; break;
    case 2: icon = QMessageBox::Warning; break;
    case 3: icon = QMessageBox::Critical; break;
    case 4: icon = QMessageBox::Question; break;
    default: return;
    }
    QMessageBox box(icon, title, message, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void ShowMessage(const QString &message, int kind)
{
    QString title;
    ShowMessage(message, kind, title);
}

void CenterForm(QWidget &form)
{
    const QScreen *screen = form.screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QRect frame = form.frameGeometry();
    long long top = HalfOf(area.height() * TwipsPerPixel * 0.95) - HalfOf(frame.height() * TwipsPerPixel);
    long long left = HalfOf(area.width() * TwipsPerPixel) - HalfOf(frame.width() * TwipsPerPixel);
    top = std::max(top, 0LL);
    left = std::max(left, 0LL);
    form.move(area.x() + static_cast<int>(left / TwipsPerPixel),
              area.y() + static_cast<int>(top / TwipsPerPixel));
}

