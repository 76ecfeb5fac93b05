#pragma once

#include <QWidget>

class FileActionsHost;
class QLabel;
class QLineEdit;
class QPushButton;

// The modeless, topmost "Bild Umbenennen" dialog. It keeps the folder and
// name it was opened with, whatever the main window's list does meanwhile.
class frmRename : public QWidget
{
    Q_OBJECT

public:
    explicit frmRename(FileActionsHost &host);

    // Fills the dialog for `currentName` in `folder` (ending in a separator).
    void Open(const QString &folder, const QString &currentName);

    QLabel *Label1;
    QLineEdit *Text1;
    QLabel *Label2;
    QPushButton *Command2;
    QPushButton *Command1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Command2Click();
    void SelectNameForRetry();
    void SelectInList(const QString &name);

    FileActionsHost &host_;
    QString folder_;
    QString currentName_;
};
