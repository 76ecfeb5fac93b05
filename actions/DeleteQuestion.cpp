#include "actions/DeleteQuestion.h"

#include "actions/ActionTexts.h"
#include "ui/Ui.h"

#include <QMessageBox>

bool AskDelete(QWidget *owner, const QStringList &fileNames, DeleteWay way)
{
    QMessageBox box(QMessageBox::Question, ProgramName, DeleteQuestionText(fileNames, way),
                    QMessageBox::Yes | QMessageBox::No, owner);
    box.setDefaultButton(way == DeleteWay::ToTrash ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
