#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class FileActionsHost;
class RenameDialog;

// The commands of the file list's popup menu. Each acts on the list's
// current entry (delete: on the selection) and does nothing when there is none.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    explicit FileCommands(FileActionsHost &host, QObject *parent = nullptr);

    // Opens the file, in the list's folder, in the desktop's default program.
    void showCurrent();
    // Opens the rename dialog, or refills it when it is open.
    void renameCurrent();
    // Moves the selected files (or the current one) to the trash after a
    // question, or deletes them for good, after another question, where no
    // trash is possible; then selects the neighbour.
    void deleteSelected();

private:
    // Renames `name` in `folder` to base + extension and selects it in the
    // list; a refusal is named in a message. False when the user may try again.
    bool renameTo(const QString &folder, const QString &name, const QString &base, const QString &extension);

    FileActionsHost &host_;
    QPointer<RenameDialog> renameDialog_;
};
