#pragma once

#include <QDialog>

#include <functional>

class NameValidator;
class QLabel;
class QLineEdit;

// The modeless "Bild Umbenennen" dialog: the new name of one photo, its
// extension shown beside it, and a hint when a character is refused. What
// the name is tried on is the opener's: the dialog knows no files.
class RenameDialog : public QDialog
{
    Q_OBJECT

public:
    // Tries the typed base name; true when it is done with (the dialog
    // closes), false to let the user correct it.
    using Attempt = std::function<bool(const QString &base)>;

    explicit RenameDialog(QWidget *owner);

    // Fills the dialog and shows it with the base name selected, as file
    // managers do; "Umbenennen" hands the typed name to `attempt`.
    void Open(const QString &base, const QString &extension, Attempt attempt);

private:
    void tryName();

    QLineEdit *name_ = nullptr;
    NameValidator *rule_ = nullptr;
    QLabel *extension_ = nullptr;
    QLabel *hint_ = nullptr;
    QString refused_;
    Attempt attempt_;
};
