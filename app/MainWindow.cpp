#include "app/MainWindow.h"

#include "app/BrowseForFolder.h"
#include "app/ClickLabel.h"
#include "app/BatchCommand.h"
#include "app/UndoLastRename.h"
#include "app/RenamePreviewDialog.h"
#include "app/FileActionsWiring.h"
#include "app/OpenFolder.h"
#include "app/SelectionPanel.h"
#include "app/WindowSettings.h"
#include "app/WidgetColour.h"
#include "app/WindowIcon.h"
#include "metadata/clsEXIF.h"
#include "services/ImageTypes.h"
#include "ui/FormLayout.h"
#include "preview/PreviewLoader.h"
#include "ui/Ui.h"
#include "widgets/FileListBox.h"
#include "widgets/FlatButton.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

namespace {

QFont Arial(double points, bool bold = false)
{
    return FormFont(QStringLiteral("Arial"), points, bold);
}

QLabel *MakeLabel(QWidget *parent, const char *name, const QRect &place, const QString &caption,
                  const QFont &font, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *label = Place(new QLabel(parent), name, place);
    // EXIF texts come from the file; they must never be read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

const QColor Navy(0, 0, 128);
const QSize DesignSize = Twips(0, 0, 8295, 8985).size();

}

MainWindow::MainWindow(WindowSettings settings, QWidget *parent)
    : QWidget(parent), m_settings(std::move(settings))
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    setObjectName(QStringLiteral("MainWindow"));
    // The design size is the first size and the smallest.
    setMinimumSize(DesignSize);
    resize(DesignSize);
    setWindowIcon(WindowIcon());
    // The font of the controls that name none of their own: the list and tagList.
    setFont(Arial(8.25));
    m_previews = new PreviewLoader(this);
    createControls();
    createPopupMenu();
    ConnectFileActions(*this);
    setTabOrder();
    stretchControls();

    connect(m_fileList, &FileListBox::currentEntryChanged, this, [this] { ShowSelectedFile(*this); });
    connect(m_fileList, &FileListBox::namesNotShown, this, [](const QStringList &names) {
        ShowMessage(MessageKind::Warning, QStringLiteral("Nicht angezeigt, da der Dateiname kein gültiges UTF-8 ist "
                                   "(bitte zuerst umbenennen):\n")
                        + names.join(u'\n'));
    });
    connect(m_fileList, &FileListBox::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, const QPoint &globalPos) {
                if (button == Qt::RightButton)
                    m_popupMenu->popup(globalPos);
            });
    connect(m_refreshButton, &ClickLabel::clicked, this, &MainWindow::rereadFolder);
    connect(m_browseButton, &QAbstractButton::clicked, this, [this] { BrowseForFolder(*this); });
    ConnectBatchRename(*this);
    ConnectRenamePreview(*this);
    ConnectUndoLastRename(*this);
    connect(m_preview, &ClickLabel::clicked, this, [this] { ClearPreview(*this); });
    connect(m_previews, &PreviewLoader::ready, this, [this](const Thumbnail &thumbnail) { ShowPreview(*this, thumbnail); });
    // Ticked, the box shows the time the batch will give every file.
    connect(m_freezeTime, &QCheckBox::toggled, this, [this](bool frozen) {
        if (frozen)
            ShowFrozenTime(*this);
        else
            ShowSelectedFile(*this);
    });
    connect(m_pathField, &QLineEdit::returnPressed, this, [this] { OpenTypedFolder(*this); });
    auto *reread = new QShortcut(QKeySequence(Qt::Key_F5), m_fileList, this, &MainWindow::rereadFolder);
    reread->setContext(Qt::WidgetShortcut);

    // Load step.
    CenterForm(*this);
    setWindowTitle(QStringLiteral("Kestrune ") + ProgramName);
    m_captureTime->clear();
    m_fileSize->clear();
    m_fileTime->clear();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    m_browsePanel = Place(new QFrame(this), "browsePanel", Twips(120, 120, 8055, 7935));
    m_browsePanel->setFrameStyle(QFrame::Box | QFrame::Sunken);

    m_preview = Place(new ClickLabel(m_browsePanel), "preview", Twips(120, 240, 1995, 1575));
    m_preview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setAutoFillBackground(true);
    SetColour(m_preview, QPalette::Window, QColor(128, 128, 128));
    m_preview->setFocusPolicy(Qt::TabFocus);

    m_imageSize = MakeLabel(m_browsePanel, "imageSize", Twips(2190, 225, 1815, 255),
                          QStringLiteral("Bildgrösse:"), Arial(8.25));
    MakeLabel(m_browsePanel, "exifHeading", Twips(2190, 555, 945, 225), QStringLiteral("EXIF-Daten:"),
              Arial(9));
    auto *line = Place(new QFrame(m_browsePanel), "exifRule", Twips(2190, 780, 1785, 15));
    line->setFrameStyle(QFrame::HLine | QFrame::Plain);
    m_camera = MakeLabel(m_browsePanel, "camera", Twips(2190, 810, 1815, 210), QStringLiteral("Camera"),
                         Arial(8.25));
    m_aperture = MakeLabel(m_browsePanel, "aperture", Twips(2190, 1020, 1815, 210),
                            QStringLiteral("Blende:"), Arial(9));
    m_exposure = MakeLabel(m_browsePanel, "exposure", Twips(2190, 1230, 1815, 210),
                         QStringLiteral("Belichtung:"), Arial(9));
    m_iso = MakeLabel(m_browsePanel, "iso", Twips(2190, 1440, 1815, 210), QStringLiteral("ISO:"),
                         Arial(9));
    m_summaryTime = MakeLabel(m_browsePanel, "summaryTime", Twips(2175, 1635, 1815, 210),
                              QStringLiteral("Datum & Zeit:"), Arial(8.25));
    MakeLabel(m_browsePanel, "pathCaption", Twips(120, 1830, 915, 195), QStringLiteral("Pfad:"), Arial(9));

    m_refreshButton = Place(new ClickLabel(m_browsePanel), "refreshButton", Twips(3645, 1710, 315, 345));
    m_refreshButton->setText(QStringLiteral("\u21BB"));
    m_refreshButton->setFont(FormFont(QStringLiteral("DejaVu Sans"), 14.25));
    m_refreshButton->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_refreshButton->setToolTip(QStringLiteral("Aktuellen Pfad neu einlesen"));
    m_refreshButton->setCursor(Qt::PointingHandCursor);

    m_pathField = Place(new QLineEdit(m_browsePanel), "pathField", Twips(120, 2040, 3525, 285));
    m_pathField->setFont(Arial(6.75, true));

    m_browseButton = Place(new FlatButton(QStringLiteral("..."), m_browsePanel), "browseButton",
                           Twips(3660, 2040, 315, 300));

    m_fileList = Place(new FileListBox(m_browsePanel), "fileList", Twips(120, 2400, 3855, 5160));
    m_fileList->setPattern(ImagePattern());

    m_fileSize = MakeLabel(m_browsePanel, "fileSize", Twips(120, 7605, 1875, 255), QString(),
                              Arial(9.75, true));
    m_fileTime = MakeLabel(m_browsePanel, "fileTime", Twips(1860, 7605, 2055, 255), QString(),
                              Arial(9.75, true), Qt::AlignRight);

    m_tagList = Place(new QPlainTextEdit(m_browsePanel), "tagList", Twips(4080, 240, 3855, 7635));
    m_tagList->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_tagList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_tagList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetColour(m_tagList, QPalette::Base, QColor(255, 255, 192));

    m_renameButton = Place(new QPushButton(QStringLiteral("EXIF-Zeit als Dateiname (ausgewählte Datei(en)"),
                                       this),
                       "renameButton", Twips(120, 8400, 8055, 495));
    m_renameButton->setFont(Arial(11.25, true));
    m_adjustFileTime = Place(new QCheckBox(QStringLiteral("Dateizeit anpassen"), this), "adjustFileTime",
                          Twips(4200, 8085, 2175, 255));
    m_adjustFileTime->setFont(Arial(9));
    m_freezeTime = Place(new QCheckBox(QStringLiteral("EXIF Zeit einfrieren"), this), "freezeTime",
                        Twips(6345, 8085, 2085, 255));
    m_freezeTime->setFont(Arial(9));
    auto *timeCaption = MakeLabel(this, "timeCaption", Twips(240, 8100, 1755, 255),
                             QStringLiteral("EXIF Zeit:"), Arial(9.75, true), Qt::AlignRight);
    SetColour(timeCaption, QPalette::WindowText, Navy);
    m_captureTime = MakeLabel(this, "captureTime", Twips(1740, 8100, 2295, 255), QString(),
                              Arial(9.75, true), Qt::AlignRight);
    SetColour(m_captureTime, QPalette::WindowText, Navy);
}

void MainWindow::createPopupMenu()
{
    m_popupMenu = new QMenu(QStringLiteral("PopupMenu"), this);
    m_popupMenu->setObjectName(QStringLiteral("popupMenu"));
    m_showAction = m_popupMenu->addAction(QStringLiteral("Bild Anzeigen..."));
    m_showAction->setObjectName(QStringLiteral("showAction"));
    m_popupMenu->addSeparator()->setObjectName(QStringLiteral("menuSeparator"));
    m_renameAction = m_popupMenu->addAction(QStringLiteral("Bild umbenennen..."));
    m_renameAction->setObjectName(QStringLiteral("renameAction"));
    m_deleteAction = m_popupMenu->addAction(QStringLiteral("Bild löschen..."));
    m_deleteAction->setObjectName(QStringLiteral("deleteAction"));
    for (QAction *item : {m_showAction, m_renameAction, m_deleteAction})
        item->setEnabled(false);
}

void MainWindow::setTabOrder()
{
    const QList<QWidget *> order = {m_preview, m_pathField, m_browseButton, m_fileList, m_tagList,
                                    m_renameButton, m_adjustFileTime, m_freezeTime};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QLabel *MainWindow::preview() const
{
    return m_preview;
}

clsEXIF &MainWindow::reader()
{
    if (!m_exifReader)
        m_exifReader = std::make_unique<clsEXIF>();
    return *m_exifReader;
}

void MainWindow::rereadFolder()
{
    m_fileList->reread();
    ClearPreview(*this);
    m_imageSize->setText(QStringLiteral("Bildgrösse: "));
    ResetSummary(*this);
}

void MainWindow::stretchControls()
{
    // The left column (preview, path, list) and tagList share the extra
    // width; the preview takes a quarter of the extra height, the list the
    // rest; the summary follows the preview's right edge; the bottom row
    // stays at the bottom.
    const struct
    {
        const char *name;
        Stretch::Shares shares;
    } rules[] = {
        {"browsePanel", {0, 0, 1, 1}},          {"preview", {0, 0, 0.5, 0.25}},
        {"imageSize", {0.5, 0, 0, 0}},      {"exifHeading", {0.5, 0, 0, 0}},
        {"exifRule", {0.5, 0, 0, 0}},        {"camera", {0.5, 0, 0, 0}},
        {"aperture", {0.5, 0, 0, 0}},    {"exposure", {0.5, 0, 0, 0}},
        {"iso", {0.5, 0, 0, 0}},       {"summaryTime", {0.5, 0, 0, 0}},
        {"pathCaption", {0, 0.25, 0, 0}},      {"refreshButton", {0.5, 0.25, 0, 0}},
        {"pathField", {0, 0.25, 0.5, 0}},   {"browseButton", {0.5, 0.25, 0, 0}},
        {"fileList", {0, 0.25, 0.5, 0.75}}, {"fileSize", {0, 1, 0, 0}},
        {"fileTime", {0.5, 1, 0, 0}},  {"tagList", {0.5, 0, 0.5, 1}},
        {"renameButton", {0, 1, 1, 0}},       {"adjustFileTime", {0, 1, 0, 0}},
        {"freezeTime", {0, 1, 0, 0}},      {"timeCaption", {0, 1, 0, 0}},
        {"captureTime", {0, 1, 0, 0}},
    };
    for (const auto &rule : rules)
        m_stretch.add(findChild<QWidget *>(QLatin1String(rule.name)), rule.shares);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_stretch.apply(size() - DesignSize);
    RefitPreview(*this);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_settings.rememberLastPath(m_fileList->folder());
    m_settings.rememberWindowGeometry(saveGeometry());
    event->accept();
}
