#pragma once

#include "dialogs/FolderPlaces.h"
#include "dialogs/NewFolderName.h"

#include <QDialog>
#include <QPersistentModelIndex>
#include <QSet>

#include <optional>

class FileListBox;
class FlatButton;
class FolderNameDelegate;
class QComboBox;
class QFileSystemModel;
class QTreeView;

// The folder selection dialog: the places to start from, the folder tree of
// the chosen one with the start folder expanded and highlighted, the images of
// the highlighted folder beside it, and "Neuer Ordner", which makes a folder
// inside the highlighted one and lets the user name it in place.
class FolderDialog : public QDialog
{
    Q_OBJECT

public:
    FolderDialog(const QString &startFolder, QList<FolderPlace> places, QWidget *parent = nullptr);

    // The highlighted folder: the choice once the dialog is accepted.
    QString folder() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showPlace(int index);
    void highlight(const QString &folder);
    void makeFolder();
    void makeFolderIn(const QModelIndex &parent);
    void nameFolder(const QModelIndex &index, const QString &name);
    void refuseName(const QModelIndex &index, const QString &name, FolderNameFault fault);

    QList<FolderPlace> places_;
    QComboBox *placeList_ = nullptr;
    QFileSystemModel *model_ = nullptr;
    QTreeView *tree_ = nullptr;
    FolderNameDelegate *names_ = nullptr;
    FileListBox *files_ = nullptr;
    FlatButton *newFolder_ = nullptr;
    // The folders whose listing has come in; a new folder waits for its parent's.
    QSet<QString> listed_;
    QPersistentModelIndex waiting_;
    // The folders above the start folder not yet listed: their rows push it
    // out of view until they are all in and sorted.
    QStringList aboveStart_;
    bool followStart_ = true;
};

// Lets the user choose a folder, starting at `startFolder`, among this
// machine's places; nothing when the user cancels.
std::optional<QString> ChooseFolder(QWidget *parent, const QString &startFolder);
