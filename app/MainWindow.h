#pragma once

#include "app/WindowSettings.h"
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
    explicit MainWindow(WindowSettings settings, QWidget *parent = nullptr);
    ~MainWindow() override;

    FileListBox *files() const { return m_fileList; }
    QLineEdit *pathField() const { return m_pathField; }
    QPlainTextEdit *tagList() const { return m_tagList; }
    QLabel *preview() const;
    QLabel *imageSize() const { return m_imageSize; }
    QLabel *camera() const { return m_camera; }
    QLabel *aperture() const { return m_aperture; }
    QLabel *exposure() const { return m_exposure; }
    QLabel *iso() const { return m_iso; }
    QLabel *summaryTime() const { return m_summaryTime; }
    QLabel *captureTime() const { return m_captureTime; }
    QLabel *fileSize() const { return m_fileSize; }
    QLabel *fileTime() const { return m_fileTime; }
    QCheckBox *freezeTime() const { return m_freezeTime; }
    QCheckBox *adjustFileTime() const { return m_adjustFileTime; }
    QPushButton *renameButton() const { return m_renameButton; }
    // The list's popup menu; its items start disabled until a handler is attached.
    QMenu *popupMenu() const { return m_popupMenu; }
    QAction *showAction() const { return m_showAction; }
    QAction *renameAction() const { return m_renameAction; }
    QAction *deleteAction() const { return m_deleteAction; }

    // The window's EXIF reader, made on first use.
    clsEXIF &reader();
    // Makes the previews off the user-interface thread.
    PreviewLoader &previews() const { return *m_previews; }
    // The list row previewed last: the direction of travel starts there.
    int previewRow = 0;

    // The refresh symbol's handler: re-reads the folder, empties the preview
    // and resets the panel. The batch rename calls it as its last step.
    void rereadFolder();

    // The capture time of the last photo shown while the freeze box was
    // unchecked: the time freeze mode gives every file.
    std::optional<CaptureTime> frozenTime;

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

    QFrame *m_browsePanel = nullptr;
    ClickLabel *m_preview = nullptr;
    QLabel *m_imageSize = nullptr;
    QLabel *m_camera = nullptr;
    QLabel *m_aperture = nullptr;
    QLabel *m_exposure = nullptr;
    QLabel *m_iso = nullptr;
    QLabel *m_summaryTime = nullptr;
    ClickLabel *m_refreshButton = nullptr;
    QLineEdit *m_pathField = nullptr;
    FlatButton *m_browseButton = nullptr;
    FileListBox *m_fileList = nullptr;
    QLabel *m_fileSize = nullptr;
    QLabel *m_fileTime = nullptr;
    QPlainTextEdit *m_tagList = nullptr;
    QPushButton *m_renameButton = nullptr;
    QCheckBox *m_adjustFileTime = nullptr;
    QCheckBox *m_freezeTime = nullptr;
    QLabel *m_captureTime = nullptr;
    QMenu *m_popupMenu = nullptr;
    QAction *m_showAction = nullptr;
    QAction *m_renameAction = nullptr;
    QAction *m_deleteAction = nullptr;
    std::unique_ptr<clsEXIF> m_exifReader;
    PreviewLoader *m_previews = nullptr;
    Stretch m_stretch;
    WindowSettings m_settings;
};
