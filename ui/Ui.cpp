#include "ui/Ui.h"

#include <QApplication>
#include <QMessageBox>

void ShowMessage(MessageKind kind, const QString &message)
{
    const QMessageBox::Icon icon = kind == MessageKind::Information ? QMessageBox::Information
                                   : kind == MessageKind::Warning   ? QMessageBox::Warning
                                                                    : QMessageBox::Critical;
    QMessageBox box(icon, ProgramName, message, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
