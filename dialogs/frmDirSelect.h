#pragma once

#include <QDialog>

class DirListBox;
class DriveListBox;
class FileListBox;
class FlatButton;
class QLineEdit;
class QPushButton;

// The folder selection dialog. It takes its caption and start folder from
// DirSelectCaption and DirSelectPath, leaves the chosen folder in
// DirSelectPath on OK and sets DirSelectBusy to 0 however it closes.
// Every opening builds the window afresh. The controls carry their names as
// object names (File1, Dir1, Drive1, Text1, dummy, FlatButton1, 2 and 4).
class frmDirSelect : public QDialog
{
    Q_OBJECT

public:
    explicit frmDirSelect(QWidget *parent = nullptr);
    ~frmDirSelect() override;

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void FlatButton1_Click();
    void FlatButton4_Click();
    void FlatButton2_Click();
    void Text1_KeyPress(int &keyAscii);
    // Enter in Text1; false when the name stays for correction.
    bool createNewFolder();
    void keepNameForCorrection();

    FileListBox *File1 = nullptr;
    DirListBox *Dir1 = nullptr;
    DriveListBox *Drive1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *dummy = nullptr;
    FlatButton *FlatButton4 = nullptr;
    FlatButton *FlatButton1 = nullptr;
    FlatButton *FlatButton2 = nullptr;
};

// Opens frmDirSelect over `owner` and returns when it has closed; the owner
// takes no input meanwhile. The caller sets the DirSelect values first.
void ShowDirSelect(QWidget *owner);
