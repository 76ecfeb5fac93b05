#include "ShownWindow.h"
#include "tests/actions/ModalAnswer.h"

#include "dialogs/FolderDialog.h"
#include "widgets/FlatButton.h"

#include <QClipboard>
#include <QFileSystemModel>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

// A folder "data" with the subfolders "portrait" and "landscape", each with a photo.
class FolderDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = QDir(temp.path()).canonicalPath();
        data = root + "/data";
        for (const QString &folder : {data + "/portrait", data + "/landscape"})
            ASSERT_TRUE(QDir().mkpath(folder));
        for (const QString &file : {data + "/bild.jpg", data + "/notiz.txt", data + "/portrait/p.jpg"})
            WriteJpeg(file, 8, 8);
    }

    void open(const QString &start)
    {
        owned = std::make_unique<FolderDialog>(start, QList<FolderPlace>{{root, "Test"}});
        dialog = owned.get();
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        tree = dialog->findChild<QTreeView *>();
        files = dialog->findChild<FileListBox *>();
    }

    QModelIndex indexOf(const QString &path) const
    {
        return static_cast<QFileSystemModel *>(tree->model())->index(path);
    }

    // The folder's row is in the tree (the model lists folders on a thread of its own).
    bool shown(const QString &path) const
    {
        return QTest::qWaitFor([&] { return tree->visualRect(indexOf(path)).isValid(); });
    }

    void clickFolder(const QString &path)
    {
        ASSERT_TRUE(shown(path)) << path.toStdString();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(indexOf(path)).center());
    }

    FlatButton *button(const QString &text) const
    {
        for (FlatButton *button : dialog->findChildren<FlatButton *>()) {
            if (button->text() == text)
                return button;
        }
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }

    // The in-place editor of a folder's name, once open.
    QLineEdit *nameEditor() const
    {
        QLineEdit *editor = nullptr;
        const bool open = QTest::qWaitFor([&] { return (editor = tree->findChild<QLineEdit *>()) && editor->isVisible(); });
        return open ? editor : nullptr;
    }

    QStringList subfolders(const QString &folder) const
    {
        return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    }

    QTemporaryDir temp;
    QString root, data;
    std::unique_ptr<FolderDialog> owned;
    FolderDialog *dialog = nullptr;
    QTreeView *tree = nullptr;
    FileListBox *files = nullptr;
};

TEST_F(FolderDialogTest, StartFolderHighlightedWithItsNeighboursOkTakesTheFolderClicked)
{
    open(data + "/portrait");
    EXPECT_EQ(dialog->windowTitle(), "Ordner auswählen");
    EXPECT_EQ(dialog->folder(), data + "/portrait");
    EXPECT_EQ(Entries(*files), QStringList{"p.jpg"});
    EXPECT_TRUE(shown(data + "/landscape"));
    clickFolder(data);
    EXPECT_EQ(Entries(*files), QStringList{"bild.jpg"});
    QTest::mouseClick(button("&OK"), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->folder(), data);

    // A start folder that is gone starts at the home folder.
    open(data + "/fehlt");
    EXPECT_EQ(dialog->folder(), QDir::homePath());
}

// Open "portrait", highlight "data", make a new folder: it is made in "data"
// and named in place.
TEST_F(FolderDialogTest, NewFolderIsMadeInsideTheHighlightedFolderAndNamedInPlace)
{
    open(data + "/portrait");
    clickFolder(data);
    QTest::mouseClick(button("&Neuer Ordner"), Qt::LeftButton);
    QLineEdit *editor = nameEditor();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->selectedText(), "Neuer Ordner");
    QTest::keyClicks(editor, "Urlaub (Rom), Tag 1.5");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QDir(data + "/Urlaub (Rom), Tag 1.5").exists(); }));
    EXPECT_EQ(subfolders(data), QStringList({"landscape", "portrait", "Urlaub (Rom), Tag 1.5"}));
    EXPECT_TRUE(subfolders(data + "/portrait").isEmpty());
    EXPECT_EQ(dialog->folder(), data + "/Urlaub (Rom), Tag 1.5");

    // Escape keeps the proposed name; a second proposal is numbered.
    QTest::mouseClick(button("&Neuer Ordner"), Qt::LeftButton);
    QTest::keyClick(nameEditor(), Qt::Key_Escape);
    clickFolder(data + "/Urlaub (Rom), Tag 1.5");
    QTest::mouseClick(button("&Neuer Ordner"), Qt::LeftButton);
    QTest::keyClick(nameEditor(), Qt::Key_Escape);
    EXPECT_EQ(subfolders(data + "/Urlaub (Rom), Tag 1.5"), QStringList({"Neuer Ordner", "Neuer Ordner 2"}));
}

TEST_F(FolderDialogTest, RefusedNamesSaySoInGermanAndStayForCorrection)
{
    open(data);
    ModalAnswer messages;
    QTest::mouseClick(button("&Neuer Ordner"), Qt::LeftButton);
    const struct { QString name; const char *says; } cases[] = {
        {"portrait", "existiert bereits"}, {"..", "\"..\""},
        {"Reise/Tag 1", "Schrägstrich"}, {"a\tb", "Steuerzeichen"}, {QString(256, u'x'), "zu lang"}};
    for (const auto &c : cases) {
        QLineEdit *editor = nameEditor();
        ASSERT_TRUE(editor) << c.says;
        QGuiApplication::clipboard()->setText(c.name);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Return);
        const qsizetype seen = &c - cases + 1;
        ASSERT_TRUE(QTest::qWaitFor([&] { return messages.boxes.size() == seen; })) << c.says;
        EXPECT_TRUE(messages.boxes.last().text.contains(QString::fromUtf8(c.says))) << c.says;
        editor = nameEditor();
        ASSERT_TRUE(editor);
        EXPECT_EQ(editor->text(), c.name);
    }
    QTest::keyClick(nameEditor(), Qt::Key_Escape);
    EXPECT_EQ(subfolders(data), QStringList({"landscape", "Neuer Ordner", "portrait"}));
}

// The main window's browse button lists the folder chosen; cancelling changes nothing.
TEST_F(FolderDialogTest, BrowseButtonListsTheFolderChosen)
{
    const auto window = ShowMainWindow(data);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTimer::singleShot(0, [this] {
        dialog = qobject_cast<FolderDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        tree = dialog->findChild<QTreeView *>();
        clickFolder(data + "/portrait");
        QTest::mouseClick(button("&OK"), Qt::LeftButton);
    });
    QTest::mouseClick(window->findChild<FlatButton *>("browseButton"), Qt::LeftButton);
    EXPECT_EQ(Find<QLineEdit>(*window, "pathField").text(), data + "/portrait");
    EXPECT_EQ(Entries(ListOf(*window)), QStringList{"p.jpg"});

    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    QTest::mouseClick(window->findChild<FlatButton *>("browseButton"), Qt::LeftButton);
    EXPECT_EQ(Find<QLineEdit>(*window, "pathField").text(), data + "/portrait");
}

} // namespace
