#include "dialogs/frmDirSelect.h"

#include "dialogs/DirSelectShared.h"
#include "dialogs/NewFolderName.h"
#include "services/ImageTypes.h"
#include "ui/FormLayout.h"
#include "services/Paths.h"
#include "ui/Ui.h"
#include "widgets/DirListBox.h"
#include "widgets/DriveListBox.h"
#include "widgets/FileListBox.h"
#include "widgets/FlatButton.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int AsciiEnter = 13;
constexpr int AsciiEscape = 27;
const QColor ListBackground(244, 244, 244);

template <typename Control>
Control *place(Control *control, const char *name, const QRect &where, const QFont &font)
{
    Place(control, name, where)->setFont(font);
    return control;
}

QFont designFont(const QString &family)
{
    return FormFont(family, 8.25);
}

// The character code the key handler sees; -1 for keys that type nothing.
int keyAsciiOf(const QKeyEvent &event)
{
    if (event.key() == Qt::Key_Escape)
        return AsciiEscape;
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return AsciiEnter;
    const QString text = event.text();
    return text.isEmpty() ? -1 : text.at(0).unicode();
}

} // namespace

frmDirSelect::frmDirSelect(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Pfad auswählen..."));
    setFixedSize(413, 440);
    createControls();
    Form_Load();
}

frmDirSelect::~frmDirSelect()
{
    DirSelectBusy = 0;
}

void frmDirSelect::done(int result)
{
    DirSelectBusy = 0;
    QDialog::done(result);
}

void frmDirSelect::createControls()
{
    const QFont listFont = designFont(QStringLiteral("Arial"));
    const QFont buttonFont = designFont(QStringLiteral("Verdana"));

    File1 = place(new FileListBox(this), "File1", Twips(2880, 60, 3255, 4770), listFont);
    File1->setPattern(ImagePattern());
    Dir1 = place(new DirListBox(this), "Dir1", Twips(60, 420, 2715, 6090), listFont);
    Drive1 = place(new DriveListBox(this), "Drive1", Twips(60, 60, 2715, 330), listFont);

    Text1 = place(new QLineEdit(QStringLiteral("Neuer Ordner"), this), "Text1", Twips(2880, 4950, 3225, 315),
                  font());
    Text1->hide();
    Text1->installEventFilter(this);

    // Parks the keyboard focus outside the client area, where it is never seen.
    dummy = place(new QPushButton(this), "dummy", Twips(7560, 420, 195, 195), font());
    dummy->setAutoDefault(false);

    FlatButton4 = place(new FlatButton(this), "FlatButton4", Twips(2880, 5340, 3255, 555), buttonFont);
    FlatButton4->setCaption(QStringLiteral("Abbrechen"));
    FlatButton1 = place(new FlatButton(this), "FlatButton1", Twips(2880, 5940, 3255, 615), buttonFont);
    FlatButton1->setCaption(QStringLiteral("&OK"));
    FlatButton2 = place(new FlatButton(this), "FlatButton2", Twips(2880, 4920, 3255, 375), buttonFont);
    FlatButton2->setCaption(QStringLiteral("neuer Ordner"));

    setTabOrder(File1, Dir1);
    setTabOrder(Dir1, Drive1);
    setTabOrder(Drive1, Text1);
    setTabOrder(Text1, dummy);
    setTabOrder(dummy, FlatButton4);
    setTabOrder(FlatButton4, FlatButton1);
    setTabOrder(FlatButton1, FlatButton2);

    connect(Drive1, &DriveListBox::driveChanged, this, &frmDirSelect::Drive1_Change);
    connect(Dir1, &DirListBox::pathChanged, this, &frmDirSelect::Dir1_Change);
    // A single click highlights a folder: its images show at once, and OK takes it.
    connect(Dir1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            File1->setPath(Dir1->List(row));
    });
    connect(FlatButton1, &FlatButton::Click, this, &frmDirSelect::FlatButton1_Click);
    connect(FlatButton4, &FlatButton::Click, this, &frmDirSelect::FlatButton4_Click);
    connect(FlatButton2, &FlatButton::Click, this, &frmDirSelect::FlatButton2_Click);
}

void frmDirSelect::Form_Load()
{
    CenterForm(*this);
    MakeTopmost(*this);
    raise();
    setWindowTitle(DirSelectCaption);
    if (!DirSelectPath.isEmpty() && FolderExists(DirSelectPath)) {
        Drive1->setDrive(DirSelectPath);
        Dir1->setPath(DirSelectPath);
        File1->setPath(DirSelectPath);
    } else {
        File1->setPath(Dir1->Path());
    }
    QPalette drivePalette = Drive1->palette();
    drivePalette.setColor(QPalette::Base, ListBackground);
    drivePalette.setColor(QPalette::Button, ListBackground);
    Drive1->setPalette(drivePalette);
    for (QWidget *list : {static_cast<QWidget *>(Dir1), static_cast<QWidget *>(File1)}) {
        QPalette palette = list->palette();
        palette.setColor(QPalette::Base, Drive1->palette().color(QPalette::Base));
        list->setPalette(palette);
    }
    dummy->setFocus();
}

void frmDirSelect::Drive1_Change()
{
    Dir1->setPath(Drive1->Drive());
}

void frmDirSelect::Dir1_Change()
{
    File1->setPath(Dir1->Path());
    int keyAscii = AsciiEscape;
    Text1_KeyPress(keyAscii);
}

void frmDirSelect::FlatButton1_Click()
{
    QString folder = Dir1->ListIndex() >= 0 ? Dir1->List(Dir1->ListIndex()) : Dir1->Path();
    DirSelectPath = AddBackslash(folder);
    DirSelectBusy = 0;
    accept();
}

void frmDirSelect::FlatButton4_Click()
{
    DirSelectBusy = 0;
    reject();
}

void frmDirSelect::FlatButton2_Click()
{
    Text1->setText(QStringLiteral("Neuer Ordner"));
    Text1->show();
    FlatButton2->hide();
    Text1->setSelection(0, int(Text1->text().size()));
    Text1->setFocus();
}

void frmDirSelect::Text1_KeyPress(int &keyAscii)
{
    if (keyAscii == AsciiEscape) {
        Text1->hide();
        FlatButton2->show();
        dummy->setFocus();
    } else if (keyAscii == AsciiEnter) {
        if (!createNewFolder())
            return;
    }
    FilterNameKey(keyAscii, 1);
}

bool frmDirSelect::createNewFolder()
{
    const QString name = Text1->text();
    QString folder = NewFolderPath(Dir1->Path(), name);
    const FolderNameFault fault = CheckNewFolderName(name);
    if (fault != FolderNameFault::None) {
        ShowMessage(FolderNameFaultText(fault), 2);
        keepNameForCorrection();
        return false;
    }
    if (FolderExists(folder)) {
        ShowMessage(QStringLiteral("Ein Ordner mit diesem Namen existiert bereits."), 1);
        keepNameForCorrection();
        return false;
    }
    CreateFolderPath(folder);
    QCoreApplication::processEvents();
    if (!FolderExists(folder)) {
        ShowMessage(QStringLiteral("Der Ordner konnte nicht angelegt werden. \n"
                                   "Datenträger ist möglicherweise schreibgeschützt.  "),
                    3);
        Text1->setFocus();
        return false;
    }
    Dir1->Refresh();
    Dir1->setPath(folder);
    Text1->hide();
    FlatButton2->show();
    FlatButton1->setFocus();
    return true;
}

void frmDirSelect::keepNameForCorrection()
{
    Text1->setCursorPosition(int(Text1->text().size()));
    Text1->setFocus();
}

bool frmDirSelect::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != Text1 || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    int keyAscii = keyAsciiOf(*static_cast<QKeyEvent *>(event));
    if (keyAscii < 0)
        return false;
    Text1_KeyPress(keyAscii);
    // Enter has no further use in a one-line box; passing it on would let
    // the dialog treat it as its own default key.
    return keyAscii == 0 || keyAscii == AsciiEnter;
}

void ShowDirSelect(QWidget *owner)
{
    auto *dialog = new frmDirSelect(owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->exec();
}
