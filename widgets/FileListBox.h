#pragma once

#include <QListView>
#include <QString>
#include <QTimer>

class QFileSystemWatcher;

class QStringListModel;

// A list of the files of one folder that match a pattern, in the order a
// file manager shows them, with extended multi-selection. The main window's
// FileList and the folder dialog's photo pane are such lists. The list follows
// the disk: files another program adds, removes or renames in the folder
// appear and go without a re-read, and the selection and the current entry
// stay where their files still exist.
class FileListBox : public QListView
{
    Q_OBJECT

public:
    explicit FileListBox(QWidget *parent = nullptr);

    // The folder as the list reports it: no trailing separator except a root;
    // empty before one was listed.
    QString folder() const;
    // Reads the folder; false (and the list unchanged) when it cannot be listed.
    bool setFolder(const QString &folder);
    void setPattern(const QString &pattern);
    // Reads the folder again; no selection is restored.
    void reread();
    // Off, changes on the disk are not followed (a batch of the window's own
    // renames them); on again, the next change brings the list up to date.
    void setFollowing(bool follow);

    int entryCount() const;
    QString entryName(int index) const;
    bool isEntrySelected(int index) const;
    void setEntrySelected(int index, bool selected);
    // The current entry (the one that holds the focus), -1 for none.
    int currentRow() const;
    void setCurrentRow(int index);
    // The current entry's text, empty when there is none.
    QString currentName() const;

signals:
    // The current entry changed, by mouse, keyboard or program.
    void currentEntryChanged();
    void entryDoubleClicked();
    // setPath left out files whose names are no UTF-8 (shown here decoded
    // for display only): nothing could open them by that text.
    void namesNotShown(const QStringList &names);
    // A mouse button went down over the list.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &globalPos);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void setEntries(const QStringList &names);
    void watch();
    void followDisk();

    QString m_path;
    QString m_pattern = QStringLiteral("*");
    QFileSystemWatcher *m_watcher = nullptr;
    QTimer m_diskChanged;
    bool m_following = true;
};
