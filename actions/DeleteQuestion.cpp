#include "actions/DeleteQuestion.h"

#include "actions/ActionTexts.h"
#include "ui/Ui.h"

#include <QMessageBox>

bool AskDelete(QWidget *owner, const QString &fileName)
{
    QMessageBox box(QMessageBox::Question, ProgramName, DeleteQuestionText(fileName),
                    QMessageBox::Yes | QMessageBox::No, owner);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}
