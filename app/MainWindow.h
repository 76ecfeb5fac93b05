#pragma once

#include "actions/BatchHost.h"
#include "app/WindowSettings.h"
#include "metadata/CaptureTime.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class ExifReader;
class ElidedLabel;
class FileCommands;
class FileListBox;
class FlatButton;
class InfoPanel;
class PreviewView;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QToolButton;

// The main window. Three areas side by side in a splitter: the folder's
// photos under the path field; the preview over the photo's information
// (a splitter of its own); every EXIF tag. Below them the time the batch
// gives (the photo's own, or the frozen one), the batch's two options and
// the rename button; a status line says how each batch went. The splitters'
// positions are kept with the window's size and place. The controls are the
// window's own; the commands reach it through BatchHost.
class MainWindow : public QMainWindow, private BatchHost
{
    Q_OBJECT

public:
    explicit MainWindow(WindowSettings settings, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The paths of a start (absolute): opens the first folder named, or the
    // folder of the first photo, and selects the photos named in it; no paths
    // open the folder shown last. Returns the message on the paths it could
    // not follow, empty when there is none.
    QString openPaths(const QStringList &paths);
    // A second start's paths: opened as at a start, with the message shown,
    // then the window asks to come to the front (a window manager may
    // refuse). While the user has a modal dialog open, it waits for it.
    void takeHandOver(const QStringList &paths);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    FileListBox &Files() override;
    QWidget &Owner() override;
    std::optional<RenameOptions> ChosenOptions() override;
    void RememberNamePattern(const QString &pattern) override;
    QString LibraryStart() override;
    void RememberLibrary(const QString &folder) override;
    void BatchBegins() override;
    void BatchEnded() override;
    void ShowBatchWord(const QString &word, const std::function<void()> &report) override;

    QWidget *buildBrowser();
    QWidget *buildPhotoArea();
    QWidget *buildBottom();
    void buildPopupMenu();
    void connectControls();
    void restoreLayout();

    // Lists the folder, with the path field showing it; false (the list as
    // it was) when it cannot be listed.
    bool openFolder(const QString &folder);
    void selectNamed(const QStringList &names);
    // Enter in the path field: a folder or a photo.
    void openTypedPath();
    void rereadFolder();
    void showCurrentPhoto();
    void showChosenTime();
    void emptyPanel();
    void colourTime();
    void clearWord();

    WindowSettings m_settings;
    std::unique_ptr<ExifReader> m_reader;
    FileCommands *m_commands = nullptr;

    QSplitter *m_areas = nullptr;
    QSplitter *m_photoArea = nullptr;
    QLineEdit *m_pathField = nullptr;
    FlatButton *m_browseButton = nullptr;
    QToolButton *m_refreshButton = nullptr;
    FileListBox *m_fileList = nullptr;
    PreviewView *m_preview = nullptr;
    InfoPanel *m_infoPanel = nullptr;
    QPlainTextEdit *m_tagList = nullptr;
    QLabel *m_timeCaption = nullptr;
    ElidedLabel *m_captureTime = nullptr;
    QCheckBox *m_adjustFileTime = nullptr;
    QCheckBox *m_freezeTime = nullptr;
    QPushButton *m_renameButton = nullptr;
    QLabel *m_word = nullptr;
    QMenu *m_popupMenu = nullptr;

    // The capture time of the last photo shown while the time was not
    // frozen: the one freeze mode gives every file.
    std::optional<CaptureTime> m_frozenTime;
    // The list row previewed last: the direction of travel starts there.
    int m_previewRow = 0;
    std::function<void()> m_report;
    // The splitters wait for the window's size to be divided.
    bool m_divide = false;
};
