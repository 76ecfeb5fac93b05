#include "TestFiles.h"
#include "TestPhotos.h"

#include "rename/CarryOutPlan.h"
#include "rename/RenameJournal.h"
#include "rename/UndoBatch.h"
#include "rename/UndoMessages.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class UndoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        folder = temp.path() + '/';
    }

    // Photos IMG_0000.jpg ... of distinct seconds, each with an .xmp.
    std::vector<RenameJob> photos(int count)
    {
        std::vector<RenameJob> jobs;
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("IMG_%1.jpg").arg(i, 4, 10, QChar(u'0'));
            const QByteArray time = QDateTime(QDate(2021, 6, 1), QTime(0, 0)).addSecs(i).toString("yyyy:MM:dd HH:mm:ss").toUtf8();
            WriteExifJpeg(folder + name, time, name.toUtf8());
            if (i % 2 == 0)
                WriteFile(folder + name.chopped(4) + ".xmp", name.toUtf8());
            jobs.push_back({folder, name, std::nullopt});
        }
        return jobs;
    }

    UndoRun undoNewest()
    {
        const std::optional<JournalInfo> newest = NewestUndoable();
        if (!newest || newest->folder != folder) {
            ADD_FAILURE() << "no batch of this folder to undo";
            return {};
        }
        return UndoBatch(newest->number);
    }

    QTemporaryDir temp;
    QString folder;
};

std::vector<QString> Lines(const UndoRun &run)
{
    std::vector<QString> lines;
    for (const UndoOutcome &outcome : run.outcomes)
        lines.push_back(UndoOutcomeLine(outcome));
    return lines;
}

} // namespace

TEST_F(UndoTest, FullBatchIsTakenBackWithItsTimes)
{
    const auto jobs = photos(4);
    const auto before = FolderContents(folder);
    const qint64 modified = ModificationTime(folder + "IMG_0001.jpg");
    RenameOptions options;
    options.fileTimes = true;
    RunBatchRename(jobs, options);
    ASSERT_NE(FolderContents(folder).keys(), before.keys());
    EXPECT_TRUE(SameFilesRenamed(before, FolderContents(folder)));

    const int number = NewestUndoable()->number;
    const UndoRun run = UndoBatch(number);
    EXPECT_TRUE(run.problem.ok());
    EXPECT_EQ(UndoSummaryLine(run.outcomes), "6 zurückbenannt, 0 übersprungen, 0 fehlgeschlagen");
    EXPECT_EQ(FolderContents(folder), before);
    EXPECT_EQ(ModificationTime(folder + "IMG_0001.jpg"), modified);
    EXPECT_NE(NewestUndoable().value_or(JournalInfo{}).number, number) << "the batch counts as undone";

    // Put back by hand this time: the undo finds nothing to do, and the
    // batch no longer stands in the way of older ones.
    const auto outcomes = RunBatchRename(jobs, options);
    const int again = NewestUndoable()->number;
    for (const RenameOutcome &outcome : outcomes)
        ASSERT_TRUE(QFile::rename(outcome.newPath, outcome.oldPath));
    EXPECT_TRUE(UndoBatch(again).outcomes.empty());
    EXPECT_NE(NewestUndoable().value_or(JournalInfo{}).number, again);
    EXPECT_EQ(FolderContents(folder), before);
}

TEST_F(UndoTest, BatchKilledHalfWayIsUndone)
{
    const auto jobs = photos(1200);
    const auto before = FolderContents(folder);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        RunBatchRename(jobs, {}, [](const RenameOutcome &, int done, int) {
            if (done == 1000)
                ::raise(SIGKILL);
            return true;
        });
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    const auto killed = FolderContents(folder);
    EXPECT_TRUE(SameFilesRenamed(before, killed));
    ASSERT_NE(killed.keys(), before.keys());
    ASSERT_TRUE(killed.contains("IMG_1199.jpg")) << "killed before the end";

    const UndoRun run = undoNewest();
    EXPECT_TRUE(run.problem.ok());
    for (const UndoOutcome &outcome : run.outcomes)
        EXPECT_EQ(outcome.status, UndoStatus::Restored) << UndoOutcomeLine(outcome).toStdString();
    EXPECT_EQ(FolderContents(folder), before);
}

TEST_F(UndoTest, FilesChangedSinceAreLeftAloneWithTheirReason)
{
    const auto jobs = photos(3);
    RunBatchRename({jobs[0], jobs[1], jobs[2]}, {});
    const QString a = "2021-06-01 - 00-00-00.jpg", b = "2021-06-01 - 00-00-01.jpg",
                  c = "2021-06-01 - 00-00-02.jpg";
    ASSERT_TRUE(QFile::rename(folder + a, folder + "mine.jpg"));
    ASSERT_TRUE(QFile::remove(folder + b));
    WriteFile(folder + b, "a new photo");
    WriteFile(folder + "IMG_0002.jpg", "another IMG_0002");
    const auto before = FolderContents(folder);

    const UndoRun run = undoNewest();
    const auto lines = Lines(run);
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        folder + a + ": übersprungen (nicht mehr vorhanden)"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), folder + b + ": übersprungen (ist inzwischen eine andere Datei)"),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), folder + c + ": übersprungen (IMG_0002.jpg existiert bereits)"),
              lines.end());
    const auto after = FolderContents(folder);
    EXPECT_TRUE(SameFilesRenamed(before, after));
    EXPECT_EQ(after.value("IMG_0000.xmp"), before.value("2021-06-01 - 00-00-00.xmp")) << "the companion goes back";
}

TEST_F(UndoTest, RunningBatchIsNotUndone)
{
    RunBatchRename(photos(2), {});
    const JournalInfo newest = *NewestUndoable();
    const QString path = JournalFolder() + QStringLiteral("%1.journal").arg(newest.number, 6, 10, QChar(u'0'));
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    const auto before = FolderContents(folder);
    const UndoRun run = UndoBatch(newest.number);
    ::close(fd);
    EXPECT_EQ(run.problem.system.error, EWOULDBLOCK);
    EXPECT_EQ(FolderContents(folder), before);
    EXPECT_EQ(UndoBatch(newest.number).outcomes.size(), 3u);
}

// A name with a line break or a "%1" in it stays on its own line as written.
TEST(UndoMessages, OddNamesStayOnTheirLine)
{
    UndoOutcome outcome;
    outcome.newPath = "/f/neu\n%1.jpg";
    outcome.oldPath = "/f/alt\t.jpg";
    outcome.status = UndoStatus::Skipped;
    outcome.reason = UndoReason::OldNameTaken;
    EXPECT_EQ(UndoOutcomeLine(outcome), "/f/neu\\n%1.jpg: übersprungen (alt\\t.jpg existiert bereits)");
}
