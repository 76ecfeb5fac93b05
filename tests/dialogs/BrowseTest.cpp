#include "DialogDriving.h"
#include "MainWindow.h"
#include "app/Form1.h"
#include "dialogs/DirSelectShared.h"
#include "dialogs/frmDirSelect.h"
#include "TestFiles.h"
#include "widgets/DirListBox.h"
#include "widgets/FileListBox.h"
#include "widgets/FlatButton.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A shown main window on folder A with its first photo selected; folder B
// holds another photo.
class BrowseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_TRUE(temp.isValid());
        a = QDir::cleanPath(temp.path()) + "/A";
        b = QDir::cleanPath(temp.path()) + "/B";
        ASSERT_TRUE(QDir().mkpath(a) && QDir().mkpath(b));
        CopyPhoto("Canon_40D.jpg", a, "canon.jpg");
        CopyPhoto("Nikon_D70.jpg", a, "nikon.jpg");
        CopyPhoto("Kodak_CX7530.jpg", b, "kodak.jpg");

        form = std::make_unique<Form1>();
        form->FileList()->setPath(a);
        form->txtPath()->setText(a);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->FileList()->setListIndex(0);
        WaitForPreview(*form);
        ASSERT_FALSE(form->picPreview()->pixmap().isNull());
        ASSERT_NE(form->lblCam()->text(), "Camera:");
        ASSERT_FALSE(form->lblFileSize()->text().isEmpty());
        panelBefore = panel();
    }

    void browse(std::function<void(frmDirSelect &)> answer)
    {
        // The offscreen platform does not hand the activation back when a
        // dialog closes, and the button reacts only in an active window.
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        bool answered = false;
        QPointer<frmDirSelect> seen;
        answerDirSelect([&](frmDirSelect &dialog) {
            answered = true;
            seen = &dialog;
            answer(dialog);
        });
        click(form->ButtonBrowse());
        // The modal wait returned and left no window behind.
        EXPECT_TRUE(answered);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(seen.isNull());
        EXPECT_EQ(DirSelectBusy, 0);
        EXPECT_TRUE(form->isEnabled());
    }

    QStringList panel() const
    {
        return {form->lblSize()->text(), form->lblCam()->text(), form->lblBlende()->text(),
                form->lblExp()->text(), form->lblISO()->text(), form->lblTimeDate()->text(),
                form->txtInfo()->toPlainText()};
    }

    QStringList keptLabels() const
    {
        return {form->lblFileSize()->text(), form->lblFileTime()->text(), form->lblEXIFTime()->text()};
    }

    QTemporaryDir temp;
    QString a;
    QString b;
    std::unique_ptr<Form1> form;
    QStringList panelBefore;
};

TEST_F(BrowseTest, CancelLeavesListAndPanelAsTheyWere)
{
    browse([](frmDirSelect &dialog) {
        dialog.findChild<DirListBox *>("Dir1")->setPath("/");
        click(dialog.findChild<FlatButton *>("FlatButton4"));
    });
    EXPECT_EQ(form->txtPath()->text(), a);
    EXPECT_EQ(form->FileList()->Path(), a);
    EXPECT_EQ(form->FileList()->ListIndex(), 0);
    EXPECT_FALSE(form->picPreview()->pixmap().isNull());
    EXPECT_EQ(panel(), panelBefore);
}

TEST_F(BrowseTest, AnotherFolderIsListedAndThePanelReset)
{
    const QStringList kept = keptLabels();
    browse([this](frmDirSelect &dialog) {
        dialog.findChild<DirListBox *>("Dir1")->setPath(b);
        click(dialog.findChild<FlatButton *>("FlatButton1"));
    });
    EXPECT_EQ(form->txtPath()->text(), b + "/");
    EXPECT_EQ(form->FileList()->Path(), b);
    ASSERT_EQ(form->FileList()->ListCount(), 1);
    EXPECT_EQ(form->FileList()->List(0), "kodak.jpg");
    EXPECT_TRUE(form->picPreview()->pixmap().isNull());
    EXPECT_EQ(panel(), (QStringList{"Bildgrösse: ", "Camera:", "Blende:", "Belichtung:", "ISO:",
                                    "Datum & Zeit:", ""}));
    EXPECT_EQ(keptLabels(), kept);
}

TEST_F(BrowseTest, OkOnTheShownFolderRereadsWhenThePathLackedTheSeparator)
{
    browse([](frmDirSelect &dialog) { click(dialog.findChild<FlatButton *>("FlatButton1")); });
    EXPECT_EQ(form->txtPath()->text(), a + "/");
    EXPECT_EQ(form->FileList()->ListCount(), 2);
    EXPECT_TRUE(form->picPreview()->pixmap().isNull());
    EXPECT_EQ(form->lblCam()->text(), "Camera:");

    form->FileList()->setListIndex(1);
    const QStringList shown = panel();
    browse([](frmDirSelect &dialog) { click(dialog.findChild<FlatButton *>("FlatButton1")); });
    EXPECT_EQ(form->txtPath()->text(), a + "/");
    EXPECT_EQ(panel(), shown);
}

} // namespace
