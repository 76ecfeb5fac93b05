#pragma once

#include <QListWidget>
#include <QString>

// A folder list in the classic style: the chain of folders from the root down
// to the open folder, each one level further indented, then the open folder's
// subfolders one level below it. A double-click or Enter opens a folder.
class DirListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit DirListBox(QWidget *parent = nullptr);

    // The open folder: absolute, no trailing separator except a root.
    QString Path() const;
    // Opens the folder; false (and the list unchanged) when it is no folder.
    bool setPath(const QString &folder);
    // Reads the open folder's subfolders again.
    void Refresh();

    int ListCount() const;
    // The full path of an entry, empty outside the list.
    QString List(int index) const;
    // The highlighted entry, -1 for none.
    int ListIndex() const;
    void setListIndex(int index);

signals:
    // The open folder changed, by the user or by setPath.
    void pathChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void openEntry(int index);
    void fill();

    QString path_;
    int openIndex_ = -1;
};
