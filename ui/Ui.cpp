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

void ShowMessage(MessageKind kind, const QString &message)
{
    const QMessageBox::Icon icon = kind == MessageKind::Information ? QMessageBox::Information
                                   : kind == MessageKind::Warning   ? QMessageBox::Warning
                                                                    : QMessageBox::Critical;
    QMessageBox box(icon, ProgramName, message, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
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

