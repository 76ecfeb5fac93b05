#pragma once

#include "metadata/CaptureTime.h"
#include "ui/Stretch.h"

#include <QWidget>

#include <memory>

class ClickLabel;
class clsEXIF;
class FileListBox;
class FlatButton;
class PreviewLoader;
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

// The main window. It builds its controls at their design places, moves and
// grows them when the window is resized, and wires
// the list, the refresh symbol, the preview and the popup menu; the selection
// panel's work is in SelectionPanel. Every control also carries its name as
// object name. Other parts act on the window through the accessors below.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    FileListBox *FileList() const { return m_fileList; }
    QLineEdit *txtPath() const { return m_txtPath; }
    QPlainTextEdit *txtInfo() const { return m_txtInfo; }
    QLabel *picPreview() const;
    QLabel *lblSize() const { return m_lblSize; }
    QLabel *lblCam() const { return m_lblCam; }
    QLabel *lblBlende() const { return m_lblBlende; }
    QLabel *lblExp() const { return m_lblExp; }
    QLabel *lblISO() const { return m_lblISO; }
    QLabel *lblTimeDate() const { return m_lblTimeDate; }
    QLabel *lblEXIFTime() const { return m_lblEXIFTime; }
    QLabel *lblFileSize() const { return m_lblFileSize; }
    QLabel *lblFileTime() const { return m_lblFileTime; }
    QCheckBox *chkFreeze() const { return m_chkFreeze; }
    QCheckBox *chkFileTime() const { return m_chkFileTime; }
    QPushButton *Command1() const { return m_command1; }
    // The list's popup menu; its items start disabled until a handler is attached.
    QMenu *mnuPop() const { return m_mnuPop; }
    QAction *mnuShow() const { return m_mnuShow; }
    QAction *mnuRename() const { return m_mnuRename; }
    QAction *mnuDelete() const { return m_mnuDelete; }

    // The window's EXIF reader, made on first use.
    clsEXIF &ExifReader();
    // Makes the previews off the user-interface thread.
    PreviewLoader &Previews() const { return *m_previews; }
    // The list row previewed last: the direction of travel starts there.
    int PreviewRow = 0;

    // The refresh symbol's handler: re-reads the folder, empties the preview
    // and resets the panel. The batch rename calls it as its last step.
    void RefreshList();

    // The capture time of the last photo shown while the freeze box was
    // unchecked: the time freeze mode gives every file.
    std::optional<CaptureTime> FrozenExifTime;

protected:
    // The unload step: remembers the list's folder as LastPath, and the
    // window's size, place and maximised state.
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createControls();
    void createPopupMenu();
    void setTabOrder();
    void stretchControls();

    QFrame *m_panel = nullptr;
    ClickLabel *m_picPreview = nullptr;
    QLabel *m_lblSize = nullptr;
    QLabel *m_lblCam = nullptr;
    QLabel *m_lblBlende = nullptr;
    QLabel *m_lblExp = nullptr;
    QLabel *m_lblISO = nullptr;
    QLabel *m_lblTimeDate = nullptr;
    ClickLabel *m_lblRefresh = nullptr;
    QLineEdit *m_txtPath = nullptr;
    FlatButton *m_buttonBrowse = nullptr;
    FileListBox *m_fileList = nullptr;
    QLabel *m_lblFileSize = nullptr;
    QLabel *m_lblFileTime = nullptr;
    QPlainTextEdit *m_txtInfo = nullptr;
    QPushButton *m_command1 = nullptr;
    QCheckBox *m_chkFileTime = nullptr;
    QCheckBox *m_chkFreeze = nullptr;
    QLabel *m_lblEXIFTime = nullptr;
    QMenu *m_mnuPop = nullptr;
    QAction *m_mnuShow = nullptr;
    QAction *m_mnuRename = nullptr;
    QAction *m_mnuDelete = nullptr;
    std::unique_ptr<clsEXIF> m_exifReader;
    PreviewLoader *m_previews = nullptr;
    Stretch m_stretch;
};
