#include "app/MainWindow.h"

#include "actions/BatchCommands.h"
#include "actions/FileCommands.h"
#include "app/PathsToOpen.h"
#include "app/WindowIcon.h"
#include "dialogs/FolderDialog.h"
#include "metadata/ExifReader.h"
#include "metadata/ReaderTexts.h"
#include "services/ImageTypes.h"
#include "services/Paths.h"
#include "ui/DateTimeText.h"
#include "ui/Ui.h"
#include "widgets/Colours.h"
#include "widgets/ElidedLabel.h"
#include "widgets/FileListBox.h"
#include "widgets/FlatButton.h"
#include "widgets/InfoPanel.h"
#include "widgets/PreviewView.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// How many neighbours in the direction of travel are prepared ahead.
constexpr int Ahead = 6;

// The tag list's light yellow, and the navy of the time the batch gives.
const QColor TagListYellow(255, 255, 192);
const QColor Navy(0, 0, 128);

template <typename Control>
Control *Named(Control *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

// A row of controls above one widget that takes the rest of the room.
QWidget *RowAbove(QLayout *row, QWidget *below, int stretch)
{
    auto *area = new QWidget;
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row);
    layout->addWidget(below, stretch);
    return area;
}

}

MainWindow::MainWindow(WindowSettings settings, QWidget *parent)
    : QMainWindow(parent), m_settings(std::move(settings)), m_reader(std::make_unique<ExifReader>())
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Kestrune ") + ProgramName);
    setWindowIcon(WindowIcon());

    m_areas = Named(new QSplitter(Qt::Horizontal), "areas");
    m_areas->addWidget(buildBrowser());
    m_areas->addWidget(buildPhotoArea());
    m_tagList = Named(new QPlainTextEdit, "tagList");
    m_tagList->setReadOnly(true);
    m_tagList->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_tagList->setTabChangesFocus(true);
    m_tagList->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_tagList->setMinimumWidth(160);
    m_areas->addWidget(m_tagList);
    m_areas->setStretchFactor(1, 1);
    m_areas->setChildrenCollapsible(false);

    auto *central = new QWidget;
    auto *column = new QVBoxLayout(central);
    column->addWidget(m_areas, 1);
    column->addWidget(buildBottom());
    setCentralWidget(central);

    m_word = Named(new QLabel, "statusWord");
    m_word->setTextFormat(Qt::RichText);
    statusBar()->addWidget(m_word, 1);

    m_commands = new FileCommands(*this, this);
    buildPopupMenu();
    connectControls();
    colourTime();
    restoreLayout();
    // The reading order: left to right, then down.
    const QList<QWidget *> order{m_pathField, m_browseButton, m_refreshButton, m_fileList,
                                 m_tagList,   m_adjustFileTime, m_freezeTime, m_renameButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    m_fileList->setFocus();
}

MainWindow::~MainWindow() = default;

QWidget *MainWindow::buildBrowser()
{
    m_pathField = Named(new QLineEdit, "pathField");
    m_pathField->setToolTip(tr("Ordner oder Foto: Eingabetaste öffnet"));
    auto *caption = new QLabel(tr("&Pfad:"));
    caption->setBuddy(m_pathField);
    m_browseButton = Named(new FlatButton(QStringLiteral("...")), "browseButton");
    m_browseButton->setToolTip(tr("Ordner wählen"));
    m_refreshButton = Named(new QToolButton, "refreshButton");
    m_refreshButton->setIcon(QIcon::fromTheme(QStringLiteral("view-refresh")));
    if (m_refreshButton->icon().isNull())
        m_refreshButton->setText(QStringLiteral("\u21BB"));
    m_refreshButton->setToolTip(tr("Aktuellen Pfad neu einlesen (F5)"));
    m_refreshButton->setAutoRaise(true);
    m_fileList = Named(new FileListBox, "fileList");
    m_fileList->setPattern(ImagePattern());
    m_fileList->setMinimumWidth(140);

    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(caption);
    pathRow->addWidget(m_pathField, 1);
    pathRow->addWidget(m_browseButton);
    pathRow->addWidget(m_refreshButton);
    return RowAbove(pathRow, m_fileList, 1);
}

QWidget *MainWindow::buildPhotoArea()
{
    m_preview = Named(new PreviewView, "preview");
    m_infoPanel = Named(new InfoPanel, "infoPanel");
    m_photoArea = Named(new QSplitter(Qt::Vertical), "photoArea");
    m_photoArea->addWidget(m_preview);
    m_photoArea->addWidget(m_infoPanel);
    m_photoArea->setStretchFactor(0, 1);
    m_photoArea->setChildrenCollapsible(false);
    return m_photoArea;
}

QWidget *MainWindow::buildBottom()
{
    m_timeCaption = Named(new QLabel(tr("EXIF-Zeit:")), "timeCaption");
    m_captureTime = Named(new ElidedLabel, "captureTime");
    QFont bold = m_captureTime->font();
    bold.setBold(true);
    m_timeCaption->setFont(bold);
    m_captureTime->setFont(bold);
    m_adjustFileTime = Named(new QCheckBox(tr("&Dateizeit anpassen")), "adjustFileTime");
    m_freezeTime = Named(new QCheckBox(tr("EXIF-Zeit &einfrieren")), "freezeTime");
    m_renameButton = Named(new QPushButton(tr("EXIF-Zeit als Dateiname (ausgewählte Dateien)")), "renameButton");
    QFont large = m_renameButton->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.2);
    m_renameButton->setFont(large);

    auto *options = new QHBoxLayout;
    options->addWidget(m_timeCaption);
    options->addWidget(m_captureTime, 1);
    options->addWidget(m_adjustFileTime);
    options->addWidget(m_freezeTime);
    return RowAbove(options, m_renameButton, 0);
}

void MainWindow::buildPopupMenu()
{
    m_popupMenu = Named(new QMenu(this), "popupMenu");
    const auto add = [this](const QString &text, const char *name, const QKeySequence &key) {
        QAction *action = Named(m_popupMenu->addAction(text), name);
        // The keys act only while the list has the focus; in the path field
        // Delete edits the text.
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetShortcut);
        m_fileList->addAction(action);
        return action;
    };
    connect(add(tr("Bild anzeigen..."), "showAction", {}), &QAction::triggered, m_commands,
            &FileCommands::showCurrent);
    m_popupMenu->addSeparator();
    connect(add(tr("Bild umbenennen..."), "renameAction", QKeySequence(Qt::Key_F2)), &QAction::triggered, m_commands,
            &FileCommands::renameCurrent);
    connect(add(tr("Bild löschen..."), "deleteAction", QKeySequence(Qt::Key_Delete)), &QAction::triggered,
            m_commands, &FileCommands::deleteSelected);
    connect(add(tr("Umbenennen mit Vorschau..."), "previewAction", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R)),
            &QAction::triggered, this, [this] { RenameWithPreview(*this); });
    connect(add(tr("Letzte Umbenennung rückgängig"), "undoAction", QKeySequence::Undo), &QAction::triggered, this,
            [this] { UndoLastBatch(*this); });
}

void MainWindow::connectControls()
{
    connect(m_fileList, &FileListBox::currentEntryChanged, this, &MainWindow::showCurrentPhoto);
    connect(m_fileList, &FileListBox::entryDoubleClicked, m_commands, &FileCommands::showCurrent);
    connect(m_fileList, &FileListBox::namesNotShown, this, [](const QStringList &names) {
        ShowMessage(MessageKind::Warning, tr("Nicht angezeigt, da der Dateiname kein gültiges UTF-8 ist "
                                             "(bitte zuerst umbenennen):\n%1")
                                              .arg(names.join(u'\n')));
    });
    connect(m_fileList, &FileListBox::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, const QPoint &globalPos) {
                if (button == Qt::RightButton)
                    m_popupMenu->popup(globalPos);
            });
    auto *reread = new QShortcut(QKeySequence(Qt::Key_F5), m_fileList, this, &MainWindow::rereadFolder);
    reread->setContext(Qt::WidgetShortcut);
    connect(m_refreshButton, &QToolButton::clicked, this, &MainWindow::rereadFolder);
    connect(m_browseButton, &QAbstractButton::clicked, this, [this] {
        // A folder that cannot be listed leaves the list as it was.
        if (const std::optional<QString> folder = ChooseFolder(this, m_pathField->text()))
            openFolder(*folder);
    });
    connect(m_pathField, &QLineEdit::returnPressed, this, &MainWindow::openTypedPath);
    // Ticked, the box shows the time the batch will give every file.
    connect(m_freezeTime, &QCheckBox::toggled, this, [this] {
        showChosenTime();
        showCurrentPhoto();
    });
    connect(m_renameButton, &QPushButton::clicked, this, [this] { RenameSelection(*this); });
    connect(m_word, &QLabel::linkActivated, this, [this] {
        if (m_report)
            m_report();
    });
}

// The splitters as they were left; without, they are divided once the
// window has its size (showEvent).
void MainWindow::restoreLayout()
{
    m_divide = !m_areas->restoreState(m_settings.splitterState(QStringLiteral("Areas")))
               | !m_photoArea->restoreState(m_settings.splitterState(QStringLiteral("PhotoArea")));
}

// A first start: a fifth of the width for the list, a quarter for the tag
// list, the rest for the preview, which leaves the information panel its
// own height.
void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!std::exchange(m_divide, false))
        return;
    const int width = m_areas->width();
    m_areas->setSizes({width / 5, width - width / 5 - width / 4, width / 4});
    const int height = m_photoArea->height();
    const int panel = m_infoPanel->sizeHint().height();
    m_photoArea->setSizes({height - panel, panel});
}

QString MainWindow::openPaths(const QStringList &paths)
{
    const PathsToOpen sorted = SortPaths(paths);
    QStringList problems;
    if (sorted.folder.isEmpty()) {
        // The folder shown last; the path field shows it even where it is gone.
        openFolder(m_settings.lastPath());
    } else if (openFolder(sorted.folder)) {
        selectNamed(sorted.wanted);
    } else {
        problems << FolderUnreadableText(sorted.folder);
    }
    problems << PathsNotFollowedText(sorted);
    problems.removeAll(QString());
    return problems.join(QStringLiteral("\n\n"));
}

void MainWindow::takeHandOver(const QStringList &paths)
{
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(200, this, [this, paths] { takeHandOver(paths); });
        return;
    }
    if (!paths.isEmpty()) {
        const QString problems = openPaths(paths);
        if (!problems.isEmpty())
            ShowMessage(MessageKind::Warning, problems);
    }
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

bool MainWindow::openFolder(const QString &folder)
{
    m_pathField->setText(folder);
    if (!m_fileList->setFolder(folder))
        return false;
    m_pathField->setText(m_fileList->folder());
    emptyPanel();
    clearWord();
    return true;
}

// Each name in the list's own spelling first, else in any letter case; the
// first one named becomes the current entry.
void MainWindow::selectNamed(const QStringList &names)
{
    bool first = true;
    for (const QString &name : names) {
        int row = -1;
        for (int i = 0; i < m_fileList->entryCount() && row < 0; ++i)
            row = m_fileList->entryName(i) == name ? i : -1;
        for (int i = 0; i < m_fileList->entryCount() && row < 0; ++i)
            row = m_fileList->entryName(i).compare(name, Qt::CaseInsensitive) == 0 ? i : -1;
        if (row < 0)
            continue;
        if (first)
            m_fileList->setCurrentRow(row);
        m_fileList->setEntrySelected(row, true);
        first = false;
    }
}

void MainWindow::openTypedPath()
{
    const QString typed = m_pathField->text().trimmed();
    if (typed.isEmpty())
        return;
    // A relative path is read from the folder shown.
    const QString path = QDir(m_fileList->folder()).absoluteFilePath(QDir::fromNativeSeparators(typed));
    const PathsToOpen sorted = SortPaths({path});
    if (sorted.folder.isEmpty()) {
        ShowMessage(MessageKind::Warning, PathsNotFollowedText(sorted));
        return;
    }
    if (!openFolder(sorted.folder)) {
        ShowMessage(MessageKind::Critical, FolderUnreadableText(sorted.folder));
        return;
    }
    selectNamed(sorted.wanted);
}

void MainWindow::rereadFolder()
{
    m_fileList->reread();
    emptyPanel();
}

void MainWindow::emptyPanel()
{
    m_preview->clear();
    m_infoPanel->clear();
    m_tagList->clear();
}

void MainWindow::showCurrentPhoto()
{
    const int row = m_fileList->currentRow();
    if (row < 0)
        return;
    const QString folder = FolderPrefix(m_fileList->folder());
    const QString path = folder + m_fileList->entryName(row);

    // The preview first, so that it is decoded while the tags are read; one
    // made ahead comes at once.
    const int step = row >= m_previewRow ? 1 : -1;
    m_previewRow = row;
    QStringList ahead;
    for (int next = row + step; ahead.size() < Ahead && next >= 0 && next < m_fileList->entryCount(); next += step)
        ahead << folder + m_fileList->entryName(next);
    m_preview->showPhoto(path, ahead);

    m_reader->setImageFile(path);
    PhotoFacts facts;
    facts.summary = m_reader->Summary();
    // The tag list ends with the capture time and where it came from.
    QString tags = m_reader->ListInfo();
    if (m_reader->readStatus() != ExifReadStatus::Unreadable) {
        if (!tags.endsWith(u'\n'))
            tags += QStringLiteral("\r\n");
        tags += ReaderTexts::CaptureTimeLine(facts.summary);
    }
    m_tagList->setPlainText(tags);
    facts.imageSize = m_reader->ImageSize();
    const QFileInfo file(path);
    if (file.exists()) {
        facts.fileBytes = file.size();
        facts.modified = file.lastModified();
    }
    if (!m_freezeTime->isChecked() && facts.summary.captureTime)
        m_frozenTime = facts.summary.captureTime;
    facts.comparedTime = m_freezeTime->isChecked() ? m_frozenTime : facts.summary.captureTime;
    m_infoPanel->setFacts(facts);
    m_captureTime->setText(facts.comparedTime
                               ? DateTimeText(facts.comparedTime->date(), facts.comparedTime->time())
                               : tr("keine"));
}

// Freeze mode: the frozen time, the one the batch will give every file.
void MainWindow::showChosenTime()
{
    if (!m_freezeTime->isChecked())
        return;
    m_captureTime->setText(m_frozenTime ? DateTimeText(m_frozenTime->date(), m_frozenTime->time()) : tr("keine"));
}

// The navy of the time the batch gives, as readable as the theme allows.
void MainWindow::colourTime()
{
    QPalette colours;
    colours.setColor(QPalette::WindowText,
                     Readable(Navy, palette().color(QPalette::Window), palette().color(QPalette::WindowText)));
    m_timeCaption->setPalette(colours);
    m_captureTime->setPalette(colours);
    // Light yellow where the theme is light; a dark one keeps its own base.
    m_tagList->setPalette(IsDark(palette()) ? QPalette() : [] {
        QPalette yellow;
        yellow.setColor(QPalette::Base, TagListYellow);
        return yellow;
    }());
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        colourTime();
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A window that never showed a folder leaves the one remembered.
    if (!m_fileList->folder().isEmpty())
        m_settings.rememberLastPath(m_fileList->folder());
    m_settings.rememberWindowGeometry(saveGeometry());
    m_settings.rememberSplitterState(QStringLiteral("Areas"), m_areas->saveState());
    m_settings.rememberSplitterState(QStringLiteral("PhotoArea"), m_photoArea->saveState());
    event->accept();
}

FileListBox &MainWindow::Files()
{
    return *m_fileList;
}

QWidget &MainWindow::Owner()
{
    return *this;
}

std::optional<RenameOptions> MainWindow::ChosenOptions()
{
    RenameOptions options;
    options.fileTimes = m_adjustFileTime->isChecked();
    // A junk pattern in the settings names as always.
    if (auto pattern = NamePattern::parse(m_settings.namePattern()); std::holds_alternative<NamePattern>(pattern))
        options.pattern = std::get<NamePattern>(std::move(pattern));
    if (m_freezeTime->isChecked()) {
        if (!m_frozenTime)
            return std::nullopt;
        options.frozenTime = m_frozenTime;
    }
    return options;
}

void MainWindow::RememberNamePattern(const QString &pattern)
{
    m_settings.rememberNamePattern(pattern);
}

QString MainWindow::LibraryStart()
{
    return m_settings.library();
}

void MainWindow::RememberLibrary(const QString &folder)
{
    m_settings.rememberLibrary(folder);
}

void MainWindow::BatchBegins()
{
    clearWord();
    emptyPanel();
    m_fileList->setFollowing(false);
}

void MainWindow::BatchEnded()
{
    m_fileList->setFollowing(true);
    rereadFolder();
    m_freezeTime->setChecked(false);
    m_captureTime->setText(QString());
}

void MainWindow::ShowBatchWord(const QString &word, const std::function<void()> &report)
{
    m_word->setText(word);
    m_report = report;
}

void MainWindow::clearWord()
{
    m_word->clear();
    m_report = nullptr;
}
