#include "actions/DeleteQuestion.h"

#include "actions/ActionTexts.h"
#include "ui/Ui.h"

#include <QMessageBox>
#include <QPushButton>

bool AskDelete(QWidget *owner, const QStringList &fileNames, DeleteWay way)
{
    QMessageBox box(QMessageBox::Question, ProgramName, DeleteQuestionText(fileNames, way),
                    QMessageBox::Yes | QMessageBox::No, owner);
    // German whatever the translations loaded: the whole interface is German.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    box.setDefaultButton(way == DeleteWay::ToTrash ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
