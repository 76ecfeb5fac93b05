#pragma once

#include <QDialog>

class FileActionsHost;
class NameValidator;
class QLabel;
class QLineEdit;

// The modeless "Bild Umbenennen" dialog: the new name of one photo, its
// extension shown beside it, and a hint when a character is refused. It keeps
// the folder and name it was opened with, whatever the main window's list
// does meanwhile.
class RenameDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RenameDialog(FileActionsHost &host);

    // Fills the dialog for `currentName` in `folder` and shows it with the
    // base name selected, as file managers do.
    void Open(const QString &folder, const QString &currentName);

private:
    void renameFile();
    void selectInList(const QString &name);

    FileActionsHost &host_;
    QLineEdit *name_ = nullptr;
    NameValidator *rule_ = nullptr;
    QLabel *extension_ = nullptr;
    QLabel *hint_ = nullptr;
    QString folder_;
    QString currentName_;
    QString refused_;
};
