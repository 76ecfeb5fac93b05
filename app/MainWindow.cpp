#include "app/MainWindow.h"

#include "app/AppGlobals.h"
#include "app/BrowseForFolder.h"
#include "app/ClickLabel.h"
#include "app/Command1Rename.h"
#include "app/UndoLastRename.h"
#include "app/frmRenamePreview.h"
#include "app/FileActionsWiring.h"
#include "app/OpenFolder.h"
#include "app/SelectionPanel.h"
#include "app/SettingsLocation.h"
#include "app/WidgetColour.h"
#include "app/WindowIcon.h"
#include "metadata/clsEXIF.h"
#include "services/ImageTypes.h"
#include "ui/FormLayout.h"
#include "ui/PreviewLoader.h"
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

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent)
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    setObjectName(QStringLiteral("MainWindow"));
    // The design size is the first size and the smallest.
    setMinimumSize(DesignSize);
    resize(DesignSize);
    setWindowIcon(WindowIcon());
    // The font of the controls that name none of their own: the list and txtInfo.
    setFont(Arial(8.25));
    m_previews = new PreviewLoader(this);
    createControls();
    createPopupMenu();
    ConnectFileActions(*this);
    setTabOrder();
    stretchControls();

    connect(m_fileList, &FileListBox::currentEntryChanged, this, [this] { ShowSelectedFile(*this); });
    connect(m_fileList, &FileListBox::namesNotShown, this, [](const QStringList &names) {
        ShowMessage(QStringLiteral("Nicht angezeigt, da der Dateiname kein gültiges UTF-8 ist "
                                   "(bitte zuerst umbenennen):\n")
                        + names.join(u'\n'),
                    2);
    });
    connect(m_fileList, &FileListBox::mouseDown, this,
            [this](int button, Qt::KeyboardModifiers, const QPoint &globalPos) {
                if (button == 2)
                    m_mnuPop->popup(globalPos);
            });
    connect(m_lblRefresh, &ClickLabel::clicked, this, &MainWindow::RefreshList);
    connect(m_buttonBrowse, &QAbstractButton::clicked, this, [this] { BrowseForFolder(*this); });
    ConnectBatchRename(*this);
    ConnectRenamePreview(*this);
    ConnectUndoLastRename(*this);
    connect(m_picPreview, &ClickLabel::clicked, this, [this] { ClearPreview(*this); });
    connect(m_previews, &PreviewLoader::ready, this, [this](const Thumbnail &thumbnail) { ShowPreview(*this, thumbnail); });
    // Ticked, the box shows the time the batch will give every file.
    connect(m_chkFreeze, &QCheckBox::toggled, this, [this](bool frozen) {
        if (frozen)
            ShowFrozenTime(*this);
        else
            ShowSelectedFile(*this);
    });
    connect(m_txtPath, &QLineEdit::returnPressed, this, [this] { OpenTypedFolder(*this); });
    auto *reread = new QShortcut(QKeySequence(Qt::Key_F5), m_fileList, this, &MainWindow::RefreshList);
    reread->setContext(Qt::WidgetShortcut);

    // Load step.
    CenterForm(*this);
    setWindowTitle(QStringLiteral("Kestrune ") + SettingsSection);
    m_lblEXIFTime->clear();
    m_lblFileSize->clear();
    m_lblFileTime->clear();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    m_panel = Place(new QFrame(this), "Panel", Twips(120, 120, 8055, 7935));
    m_panel->setFrameStyle(QFrame::Box | QFrame::Sunken);

    m_picPreview = Place(new ClickLabel(m_panel), "picPreview", Twips(120, 240, 1995, 1575));
    m_picPreview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_picPreview->setAlignment(Qt::AlignCenter);
    m_picPreview->setAutoFillBackground(true);
    SetColour(m_picPreview, QPalette::Window, QColor(128, 128, 128));
    m_picPreview->setFocusPolicy(Qt::TabFocus);

    m_lblSize = MakeLabel(m_panel, "lblSize", Twips(2190, 225, 1815, 255),
                          QStringLiteral("Bildgrösse:"), Arial(8.25));
    MakeLabel(m_panel, "Label3", Twips(2190, 555, 945, 225), QStringLiteral("EXIF-Daten:"),
              Arial(9));
    auto *line = Place(new QFrame(m_panel), "Line1", Twips(2190, 780, 1785, 15));
    line->setFrameStyle(QFrame::HLine | QFrame::Plain);
    m_lblCam = MakeLabel(m_panel, "lblCam", Twips(2190, 810, 1815, 210), QStringLiteral("Camera"),
                         Arial(8.25));
    m_lblBlende = MakeLabel(m_panel, "lblBlende", Twips(2190, 1020, 1815, 210),
                            QStringLiteral("Blende:"), Arial(9));
    m_lblExp = MakeLabel(m_panel, "lblExp", Twips(2190, 1230, 1815, 210),
                         QStringLiteral("Belichtung:"), Arial(9));
    m_lblISO = MakeLabel(m_panel, "lblISO", Twips(2190, 1440, 1815, 210), QStringLiteral("ISO:"),
                         Arial(9));
    m_lblTimeDate = MakeLabel(m_panel, "lblTimeDate", Twips(2175, 1635, 1815, 210),
                              QStringLiteral("Datum & Zeit:"), Arial(8.25));
    MakeLabel(m_panel, "Label1", Twips(120, 1830, 915, 195), QStringLiteral("Pfad:"), Arial(9));

    m_lblRefresh = Place(new ClickLabel(m_panel), "lblRefresh", Twips(3645, 1710, 315, 345));
    m_lblRefresh->setText(QStringLiteral("\u21BB"));
    m_lblRefresh->setFont(FormFont(QStringLiteral("DejaVu Sans"), 14.25));
    m_lblRefresh->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lblRefresh->setToolTip(QStringLiteral("Aktuellen Pfad neu einlesen"));
    m_lblRefresh->setCursor(Qt::PointingHandCursor);

    m_txtPath = Place(new QLineEdit(m_panel), "txtPath", Twips(120, 2040, 3525, 285));
    m_txtPath->setFont(Arial(6.75, true));

    m_buttonBrowse = Place(new FlatButton(QStringLiteral("..."), m_panel), "ButtonBrowse",
                           Twips(3660, 2040, 315, 300));

    m_fileList = Place(new FileListBox(m_panel), "FileList", Twips(120, 2400, 3855, 5160));
    m_fileList->setPattern(ImagePattern());

    m_lblFileSize = MakeLabel(m_panel, "lblFileSize", Twips(120, 7605, 1875, 255), QString(),
                              Arial(9.75, true));
    m_lblFileTime = MakeLabel(m_panel, "lblFileTime", Twips(1860, 7605, 2055, 255), QString(),
                              Arial(9.75, true), Qt::AlignRight);

    m_txtInfo = Place(new QPlainTextEdit(m_panel), "txtInfo", Twips(4080, 240, 3855, 7635));
    m_txtInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetColour(m_txtInfo, QPalette::Base, QColor(255, 255, 192));

    m_command1 = Place(new QPushButton(QStringLiteral("EXIF-Zeit als Dateiname (ausgewählte Datei(en)"),
                                       this),
                       "Command1", Twips(120, 8400, 8055, 495));
    m_command1->setFont(Arial(11.25, true));
    m_chkFileTime = Place(new QCheckBox(QStringLiteral("Dateizeit anpassen"), this), "chkFileTime",
                          Twips(4200, 8085, 2175, 255));
    m_chkFileTime->setFont(Arial(9));
    m_chkFreeze = Place(new QCheckBox(QStringLiteral("EXIF Zeit einfrieren"), this), "chkFreeze",
                        Twips(6345, 8085, 2085, 255));
    m_chkFreeze->setFont(Arial(9));
    auto *label2 = MakeLabel(this, "Label2", Twips(240, 8100, 1755, 255),
                             QStringLiteral("EXIF Zeit:"), Arial(9.75, true), Qt::AlignRight);
    SetColour(label2, QPalette::WindowText, Navy);
    m_lblEXIFTime = MakeLabel(this, "lblEXIFTime", Twips(1740, 8100, 2295, 255), QString(),
                              Arial(9.75, true), Qt::AlignRight);
    SetColour(m_lblEXIFTime, QPalette::WindowText, Navy);
}

void MainWindow::createPopupMenu()
{
    m_mnuPop = new QMenu(QStringLiteral("PopupMenu"), this);
    m_mnuPop->setObjectName(QStringLiteral("mnuPop"));
    m_mnuShow = m_mnuPop->addAction(QStringLiteral("Bild Anzeigen..."));
    m_mnuShow->setObjectName(QStringLiteral("mnuShow"));
    m_mnuPop->addSeparator()->setObjectName(QStringLiteral("mnuNix"));
    m_mnuRename = m_mnuPop->addAction(QStringLiteral("Bild umbenennen..."));
    m_mnuRename->setObjectName(QStringLiteral("mnuRename"));
    m_mnuDelete = m_mnuPop->addAction(QStringLiteral("Bild löschen..."));
    m_mnuDelete->setObjectName(QStringLiteral("mnuDelete"));
    for (QAction *item : {m_mnuShow, m_mnuRename, m_mnuDelete})
        item->setEnabled(false);
}

void MainWindow::setTabOrder()
{
    const QList<QWidget *> order = {m_picPreview, m_txtPath, m_buttonBrowse, m_fileList, m_txtInfo,
                                    m_command1, m_chkFileTime, m_chkFreeze};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QLabel *MainWindow::picPreview() const
{
    return m_picPreview;
}

clsEXIF &MainWindow::ExifReader()
{
    if (!m_exifReader)
        m_exifReader = std::make_unique<clsEXIF>();
    return *m_exifReader;
}

void MainWindow::RefreshList()
{
    m_fileList->Refresh();
    ClearPreview(*this);
    m_lblSize->setText(QStringLiteral("Bildgrösse: "));
    ResetSummary(*this);
}

void MainWindow::stretchControls()
{
    // The left column (preview, path, list) and txtInfo share the extra
    // width; the preview takes a quarter of the extra height, the list the
    // rest; the summary follows the preview's right edge; the bottom row
    // stays at the bottom.
    const struct
    {
        const char *name;
        Stretch::Shares shares;
    } rules[] = {
        {"Panel", {0, 0, 1, 1}},          {"picPreview", {0, 0, 0.5, 0.25}},
        {"lblSize", {0.5, 0, 0, 0}},      {"Label3", {0.5, 0, 0, 0}},
        {"Line1", {0.5, 0, 0, 0}},        {"lblCam", {0.5, 0, 0, 0}},
        {"lblBlende", {0.5, 0, 0, 0}},    {"lblExp", {0.5, 0, 0, 0}},
        {"lblISO", {0.5, 0, 0, 0}},       {"lblTimeDate", {0.5, 0, 0, 0}},
        {"Label1", {0, 0.25, 0, 0}},      {"lblRefresh", {0.5, 0.25, 0, 0}},
        {"txtPath", {0, 0.25, 0.5, 0}},   {"ButtonBrowse", {0.5, 0.25, 0, 0}},
        {"FileList", {0, 0.25, 0.5, 0.75}}, {"lblFileSize", {0, 1, 0, 0}},
        {"lblFileTime", {0.5, 1, 0, 0}},  {"txtInfo", {0.5, 0, 0.5, 1}},
        {"Command1", {0, 1, 1, 0}},       {"chkFileTime", {0, 1, 0, 0}},
        {"chkFreeze", {0, 1, 0, 0}},      {"Label2", {0, 1, 0, 0}},
        {"lblEXIFTime", {0, 1, 0, 0}},
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
    RememberLastPath(m_fileList->Path());
    RememberWindowGeometry(saveGeometry());
    event->accept();
}
