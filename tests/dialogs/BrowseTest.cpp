#include "DialogDriving.h"
#include "MainWindow.h"
#include "dialogs/DirSelectShared.h"
#include "dialogs/frmDirSelect.h"
#include "widgets/DirListBox.h"
#include "widgets/FlatButton.h"

#include <QDir>
#include <QPointer>
#include <gtest/gtest.h>

namespace {

// The browse button of a shown main window on folder A, its first photo
// previewed; folder B holds another photo.
class BrowseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        a = QDir::cleanPath(temp.path()) + "/A";
        b = QDir::cleanPath(temp.path()) + "/B";
        ASSERT_TRUE(QDir().mkpath(a) && QDir().mkpath(b));
        CopyPhoto("Canon_40D.jpg", a, "canon.jpg");
        CopyPhoto("Nikon_D70.jpg", a, "nikon.jpg");
        CopyPhoto("Kodak_CX7530.jpg", b, "kodak.jpg");
        form = ShowMainWindow(a);
        ClickEntry(*form->FileList(), 0);
        WaitForPreview(*form);
        ASSERT_EQ(form->lblCam()->text(), "Canon EOS 40D");
    }

    // Clicks the browse button and, in the folder dialog, opens `folder`
    // (if given) and clicks `button`.
    void browse(const QString &folder, const char *button)
    {
        // The offscreen platform does not hand the activation back when a
        // dialog closes, and the button reacts only in an active window.
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QPointer<frmDirSelect> seen;
        answerDirSelect([&](frmDirSelect &dialog) {
            seen = &dialog;
            if (!folder.isEmpty())
                dialog.findChild<DirListBox *>("Dir1")->setPath(folder);
            click(dialog.findChild<FlatButton *>(button));
        });
        click(form->findChild<FlatButton *>("ButtonBrowse"));
        // The modal wait returned and left no window behind.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(seen.isNull());
        EXPECT_EQ(DirSelectBusy, 0);
        EXPECT_TRUE(form->isEnabled());
    }

    QTemporaryDir temp;
    QString a, b;
    std::unique_ptr<Form1> form;
};

TEST_F(BrowseTest, CancelLeavesListAndPanelAsTheyWere)
{
    browse("/", "FlatButton4");
    EXPECT_EQ(form->txtPath()->text(), a);
    EXPECT_EQ(form->FileList()->ListIndex(), 0);
    EXPECT_FALSE(form->picPreview()->pixmap().isNull());
    EXPECT_EQ(form->lblCam()->text(), "Canon EOS 40D");
}

TEST_F(BrowseTest, AnotherFolderIsListedAndThePanelResetTheSameOneOnlyWhenThePathChanged)
{
    browse(b, "FlatButton1");
    EXPECT_EQ(form->txtPath()->text(), b + "/");
    EXPECT_EQ(Entries(*form->FileList()), QStringList{"kodak.jpg"});
    EXPECT_TRUE(form->picPreview()->pixmap().isNull());
    EXPECT_EQ(form->lblCam()->text(), "Camera:");
    EXPECT_TRUE(form->txtInfo()->toPlainText().isEmpty());

    // The shown folder again, its path text already ending in "/": nothing is reread.
    ClickEntry(*form->FileList(), 0);
    WaitForPreview(*form);
    const QString camera = form->lblCam()->text();
    browse({}, "FlatButton1");
    EXPECT_EQ(form->lblCam()->text(), camera);
}

} // namespace
