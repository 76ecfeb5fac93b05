#include "ShownWindow.h"
#include "TestPhotos.h"
#include "tests/actions/ModalAnswer.h"
#include "tests/app/ReportWatch.h"

#include "dialogs/FolderDialog.h"
#include "dialogs/RenamePreviewDialog.h"
#include "services/Paths.h"
#include "widgets/BatchProgress.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QRegularExpression>
#include <QProgressDialog>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

// The window's part of a batch: which files and options go in, what the
// window shows after. What a batch does with the files is tested in tests/rename.
namespace {

const QByteArray T = "2016:08:28 02:24:00";

struct BatchWindowTest : ::testing::Test
{
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;

    void SetUp() override
    {
        WriteExifJpeg(dir.filePath("a.jpg"), T, "a");
        WriteExifJpeg(dir.filePath("b.jpg"), QByteArray("2016:08:28 02:25:10"), "b");
        WriteExifJpeg(dir.filePath("c.jpg"), std::nullopt, "c");
        window = ShowMainWindow(dir.path());
    }

    FileListBox &list() const { return ListOf(*window); }
    void click(int row, Qt::KeyboardModifiers modifiers = {}) { ClickEntry(list(), row, modifiers); }

    // Runs the batch and checks that no file was lost.
    void clickRenameButton()
    {
        const auto before = FolderContents(dir.path());
        QTest::mouseClick(&Find<QPushButton>(*window, "renameButton"), Qt::LeftButton);
        EXPECT_TRUE(SameFilesRenamed(before, FolderContents(dir.path())));
    }

    // "Umbenennen mit Vorschau..." over the selection; `act` works the dialog.
    void preview(std::function<void(RenamePreviewDialog &)> act)
    {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTimer::singleShot(0, [act] {
            auto *dialog = qobject_cast<RenamePreviewDialog *>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            act(*dialog);
        });
        list().setFocus();
        QTest::keyClick(&list(), Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    }

    QString word() const { return TextOf(*window, "statusWord"); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

    // Ctrl+Z in the list, answering the question with Yes or No.
    QString undo(bool yes)
    {
        ModalAnswer answers([yes](QMessageBox &box) {
            QTest::mouseClick(box.button(yes ? QMessageBox::Yes : QMessageBox::No), Qt::LeftButton);
        });
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        list().setFocus();
        QTest::keyClick(&list(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(answers.boxes.size(), 1);
        return answers.boxes.value(0).text;
    }
};

QStringList Column(const QTableWidget &table, int column)
{
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row)
        texts << table.item(row, column)->text();
    return texts;
}

} // namespace

TEST_F(BatchWindowTest, RenameButtonRenamesTheSelectionAndEndsWithTheClosingSteps)
{
    click(1);
    click(2, Qt::ShiftModifier);
    Find<QCheckBox>(*window, "adjustFileTime").setChecked(true);
    auto report = std::make_unique<ReportWatch>();
    clickRenameButton();
    EXPECT_EQ(files(), QStringList({"2016-08-28 - 02-25-10.jpg", "a.jpg", "c.jpg"}));
    EXPECT_EQ(ModificationTime(dir.filePath("2016-08-28 - 02-25-10.jpg")), LocalMoment("2016:08:28 02:25:10"));
    // The file left alone is reported with its reason and stays selected;
    // the status line says so too, and shows the report again.
    EXPECT_EQ(report->summary, "1 umbenannt, 1 übersprungen, 0 fehlgeschlagen");
    EXPECT_EQ(report->folder, "Ordner: " + dir.path());
    EXPECT_EQ(report->lines, QStringList({"c.jpg: übersprungen (keine EXIF-Zeit)"}));
    const QStringList lines = report->lines;
    report.reset();
    EXPECT_EQ(Entries(list()), files());
    EXPECT_EQ(SelectedRows(list()), QList<int>({2}));
    EXPECT_EQ(TextOf(*window, "captureTime"), QString());
    EXPECT_EQ(TextOf(*window, "camera"), QString());
    EXPECT_TRUE(word().startsWith("1 umbenannt, 1 übersprungen – <a")) << word().toStdString();
    ReportWatch again;
    emit Find<QLabel>(*window, "statusWord").linkActivated("report");
    EXPECT_EQ(again.lines, lines);

    // A batch that went well has its word and no report.
    click(1);
    ReportWatch none;
    clickRenameButton();
    EXPECT_EQ(word(), "1 umbenannt");
    EXPECT_TRUE(none.summary.isEmpty());
    // Nor does a progress dialog come up after the batch.
    QTest::qWait(ProgressDelayMs + 100);
    const auto *progress = window->findChild<QProgressDialog *>();
    EXPECT_TRUE(!progress || !progress->isVisible());
    // The list follows the disk again.
    WriteExifJpeg(dir.filePath("z.jpg"), std::nullopt, "z");
    EXPECT_TRUE(QTest::qWaitFor([&] { return Entries(list()).contains("z.jpg"); }, 5000));
}

// "Abbrechen" stops after the file in hand, from the button as from the
// preview: the report says what was done, and undo counts the files
// renamed, not those planned.
TEST_F(BatchWindowTest, AfterAbbrechenTheReportNamesWhatWasDoneAndUndoCountsIt)
{
    const auto delay = std::exchange(ProgressDelayMs, 0);
    const auto step = std::exchange(ProgressStepMs, 0);
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        if (auto *progress = window->findChild<QProgressDialog *>(); progress && progress->isVisible())
            progress->cancel();
    });
    for (const bool fromPreview : {false, true}) {
        for (int i = 0; i < 40; ++i)
            WriteExifJpeg(dir.filePath(QStringLiteral("m%1.jpg").arg(i, 2, 10, QLatin1Char('0'))),
                          QStringLiteral("2017:01:01 10:%1:00").arg(i, 2, 10, QLatin1Char('0')).toUtf8(), "m");
        window->openPaths({dir.path()});
        list().selectAll();
        const QStringList before = files();
        cancel.start(0);
        ReportWatch report;
        if (fromPreview)
            preview([](RenamePreviewDialog &dialog) {
                QTest::mouseClick(&Find<QPushButton>(dialog, "renameButton"), Qt::LeftButton);
            });
        else
            clickRenameButton();
        cancel.stop();
        const int renamed = int(files().filter(QRegularExpression("^20\\d\\d-")).size());
        ASSERT_GT(renamed, 0) << fromPreview;
        ASSERT_LT(renamed, 40) << fromPreview;
        EXPECT_TRUE(report.summary.startsWith("Abgebrochen nach ")) << report.summary.toStdString();
        EXPECT_EQ(report.lines.filter(" -> 20").size(), renamed);
        EXPECT_TRUE(word().startsWith("Abgebrochen: ")) << word().toStdString();
        EXPECT_TRUE(undo(true).endsWith(QStringLiteral(": %1 Dateien").arg(renamed)));
        EXPECT_EQ(files(), before);
    }
    ProgressDelayMs = delay;
    ProgressStepMs = step;
}

TEST_F(BatchWindowTest, PreviewShowsThePlanAsOptionsChangeAndCarriesOutExactlyIt)
{
    WriteFile(dir.filePath("b.xmp"), "edits");
    WriteExifJpeg(dir.filePath("d.jpg"), T, "d", "5");
    WriteExifJpeg(dir.filePath("e.jpg"), T, "e", "10");
    const auto before = FolderContents(dir.path());
    std::vector<RenameJob> jobs;
    for (const QString name : {"b.jpg", "c.jpg", "e.jpg", "d.jpg"})
        jobs.push_back({dir.path() + '/', name, std::nullopt});
    RenamePreviewDialog dialog(jobs, {});
    dialog.show();
    const auto &table = Find<QTableWidget>(dialog, "planTable");
    auto &shift = Find<QLineEdit>(dialog, "shiftField");
    auto &rename = Find<QPushButton>(dialog, "renameButton");
    EXPECT_EQ(Column(table, 0), QStringList({"b.jpg", "b.xmp", "c.jpg", "e.jpg", "d.jpg"}));
    EXPECT_EQ(Column(table, 1).at(4), "bleibt: 2016-08-28 - 02-24-00.jpg existiert bereits");

    Find<QCheckBox>(dialog, "burst").setChecked(true);
    shift.setText("+1:0");
    QTest::qWait(400);
    EXPECT_FALSE(rename.isEnabled());
    shift.setFocus();
    shift.setText("+1:00");
    EXPECT_FALSE(rename.isEnabled()) << "not before the plan is shown";
    // Enter in the field plans at once and carries out nothing.
    QTest::keyClick(&shift, Qt::Key_Return);
    EXPECT_TRUE(rename.isEnabled());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(FolderContents(dir.path()), before);
    const QStringList shown = Column(table, 1);
    EXPECT_EQ(shown.mid(1), QStringList({"2016-08-28 - 03-25-10.xmp", "bleibt: keine EXIF-Zeit",
                                         "2016-08-28 - 03-24-00a.jpg", "2016-08-28 - 03-24-00b.jpg"}));

    // The button hands the plan shown to the caller, who carries it out.
    QTest::mouseClick(&rename, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(FolderContents(dir.path()), before);
    for (const int row : {0, 1, 3, 4})
        EXPECT_EQ(FileNamePart(dialog.plan().files[size_t(row)].outcome.newPath), shown[row]) << row;
}

// A pattern typed in the preview: a wrong one turns the button off and says
// why; the plan shows the folders.
TEST_F(BatchWindowTest, ThePreviewsPatternIsCheckedAndShown)
{
    RenamePreviewDialog dialog({{dir.path() + '/', "a.jpg", std::nullopt}}, {});
    auto &pattern = Find<QLineEdit>(dialog, "patternField");
    auto &rename = Find<QPushButton>(dialog, "renameButton");
    EXPECT_EQ(pattern.text(), "%Y-%m-%d - %H-%M-%S");
    pattern.setText("%Y/%q");
    QTest::keyClick(&pattern, Qt::Key_Return);
    EXPECT_FALSE(rename.isEnabled());
    EXPECT_TRUE(Find<QLabel>(dialog, "summary").text().contains("%q"));
    pattern.setText("%Y/%H%M%S");
    QTest::keyClick(&pattern, Qt::Key_Return);
    EXPECT_TRUE(rename.isEnabled());
    EXPECT_EQ(Column(Find<QTableWidget>(dialog, "planTable"), 1), QStringList({"2016/022400.jpg"}));
}

// A target folder: the copy box goes with it; a target that is no folder
// turns the button off and says why; a good one goes into the plan's
// options, the table shows the paths below it and the button says what
// happens. (The files below the target are tested with the batch itself.)
TEST_F(BatchWindowTest, ThePreviewsTargetFolderIsCheckedAndPlanned)
{
    QDir(dir.path()).mkdir("ordner");
    RenamePreviewDialog dialog({{dir.path() + '/', "a.jpg", std::nullopt}}, {});
    auto &target = Find<QLineEdit>(dialog, "targetField");
    auto &copy = Find<QCheckBox>(dialog, "copyBox");
    auto &pattern = Find<QLineEdit>(dialog, "patternField");
    auto &rename = Find<QPushButton>(dialog, "renameButton");
    pattern.setText("%Y/%H%M%S");
    const struct { QString target; bool copy; QString problem, button, shown; } cases[] = {
        {dir.path() + "/./", true, "", "Kopieren", "2016/022400.jpg"},
        {"", false, "", "Umbenennen", "2016/022400.jpg"},
        {" " + dir.path(), false, "", "Verschieben", "2016/022400.jpg"},
        {"ordner", false, "Zielordner: bitte den ganzen Pfad angeben, beginnend mit /", "", ""},
        {dir.filePath("fehlt"), false, "Den Zielordner " + dir.filePath("fehlt") + " gibt es nicht", "", ""},
        {dir.filePath("a.jpg"), false, "Der Zielordner " + dir.filePath("a.jpg") + " ist kein Ordner", "", ""},
    };
    for (const auto &c : cases) {
        target.setText(c.target);
        EXPECT_EQ(copy.isEnabled(), !c.target.isEmpty()) << c.target.toStdString();
        if (copy.isEnabled())
            copy.setChecked(c.copy);
        QTest::keyClick(&target, Qt::Key_Return);
        EXPECT_EQ(copy.isChecked(), c.copy);
        EXPECT_EQ(rename.isEnabled(), c.problem.isEmpty()) << c.target.toStdString();
        if (!c.problem.isEmpty()) {
            EXPECT_EQ(TextOf(dialog, "summary"), c.problem);
            continue;
        }
        const RenameOptions &options = dialog.plan().options;
        EXPECT_EQ(options.targetFolder, c.target.isEmpty() ? QString() : dir.path() + '/');
        EXPECT_EQ(options.copy, c.copy);
        EXPECT_EQ(rename.text(), c.button);
        EXPECT_EQ(Column(Find<QTableWidget>(dialog, "planTable"), 1), QStringList{c.shown});
    }
}

// What the preview carried out is remembered: its pattern, which the rename
// button then names by, and its target folder only as where browsing starts.
// The next preview starts without a target, and the button never takes one.
TEST_F(BatchWindowTest, ThePreviewsPatternAndTargetAreRemembered)
{
    const QString library = dir.filePath("bibliothek");
    QDir(dir.path()).mkdir("bibliothek");
    click(0);
    preview([&](RenamePreviewDialog &dialog) {
        Find<QLineEdit>(dialog, "patternField").setText("%Y/%H%M%S");
        Find<QLineEdit>(dialog, "targetField").setText(library);
        Find<QCheckBox>(dialog, "copyBox").setChecked(true);
        QTest::keyClick(&Find<QLineEdit>(dialog, "targetField"), Qt::Key_Return);
        QTest::mouseClick(&Find<QPushButton>(dialog, "renameButton"), Qt::LeftButton);
    });
    // Carried out through the window: the copy below the target, the photo kept.
    EXPECT_EQ(ReadBytes(library + "/2016/022400.jpg"), ReadBytes(dir.filePath("a.jpg")));
    EXPECT_EQ(word(), "1 kopiert");
    {
        // Undo removes the copy and says so, with the original in the report.
        ReportWatch report;
        undo(true);
        EXPECT_TRUE(word().startsWith("1 Kopie") && !word().contains("zurückbenannt")) << word().toStdString();
        EXPECT_EQ(report.lines, QStringList({"bibliothek/2016/022400.jpg: Kopie entfernt (Original: a.jpg)"}));
        EXPECT_FALSE(QFile::exists(library + "/2016/022400.jpg"));
    }
    click(int(Entries(list()).indexOf("b.jpg")));
    QTest::mouseClick(&Find<QPushButton>(*window, "renameButton"), Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(dir.filePath("2016/022510.jpg")));
    click(0);
    preview([&](RenamePreviewDialog &dialog) {
        auto &target = Find<QLineEdit>(dialog, "targetField");
        EXPECT_EQ(target.text(), QString());
        QTimer::singleShot(0, [&] {
            auto *folders = qobject_cast<FolderDialog *>(QApplication::activeModalWidget());
            ASSERT_TRUE(folders);
            EXPECT_EQ(folders->folder(), library);
            folders->accept();
        });
        QTest::mouseClick(&Find<QPushButton>(dialog, "browseButton"), Qt::LeftButton);
        EXPECT_EQ(dialog.plan().options.targetFolder, library + '/');
        dialog.reject();
    });
}

TEST_F(BatchWindowTest, PreviewOfNothingSelectedSaysSoWithItsButtonOff)
{
    RenamePreviewDialog dialog({}, {});
    EXPECT_FALSE(Find<QPushButton>(dialog, "renameButton").isEnabled());
    EXPECT_TRUE(Find<QLabel>(dialog, "summary").text().startsWith("Keine Dateien ausgewählt"));
}

TEST_F(BatchWindowTest, RenameButtonNamesTheCompanionsAndCtrlZAsksThenTakesTheBatchBack)
{
    WriteFile(dir.filePath("a.xmp"), "edits");
    window->openPaths({dir.path()});
    const auto before = FolderContents(dir.path());
    click(0);
    click(1, Qt::ShiftModifier);
    {
        ReportWatch report;
        clickRenameButton();
        EXPECT_EQ(report.lines, QStringList({"a.xmp -> 2016-08-28 - 02-24-00.xmp (Begleitdatei)"}));
    }
    ASSERT_NE(FolderContents(dir.path()), before);
    for (const bool yes : {false, true}) {
        ReportWatch report;
        EXPECT_TRUE(undo(yes).contains(dir.path() + "/: 3 Dateien"));
        EXPECT_EQ(FolderContents(dir.path()) == before, yes);
        EXPECT_EQ(report.summary, yes ? "3 zurückbenannt, 0 übersprungen, 0 fehlgeschlagen" : "");
        // Names only; the folder once at the top.
        if (yes) {
            EXPECT_TRUE(report.lines.contains("2016-08-28 - 02-24-00.jpg -> a.jpg")) << report.lines.join('|').toStdString();
        }
    }
    EXPECT_EQ(list().entryName(0), "a.jpg");
    EXPECT_EQ(word(), "3 zurückbenannt – <a href=\"report\">Bericht anzeigen</a>");
}
