#include "FileTimeSeams.h"
#include "FolderFixture.h"
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

class UndoTest : public FolderTest
{
protected:
    // Photos IMG_0000.jpg ... of distinct seconds, each second one with an .xmp.
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
};

QStringList Lines(const UndoRun &run)
{
    QStringList lines;
    for (const UndoOutcome &outcome : run.outcomes)
        lines << UndoOutcomeLine(outcome);
    return lines;
}

// Writes the file anew, as a tagging program does: a new inode, more bytes,
// a new time, the same capture time and camera.
void Retag(const QString &path, const QByteArray &time, const QByteArray &payload)
{
    QFile::remove(path);
    WriteExifJpeg(path, time, payload + " Artist=Me", {}, "Kamera");
}

} // namespace

// A shot goes back whole or not at all, and says which file kept it and why;
// an edited photo is still itself, a file that took a name is not, and a
// file deleted since holds no shot back.
TEST_F(UndoTest, ShotsGoBackWholeAfterEditsAndNewFiles)
{
    const QString one = "2021-06-01 - 10-00-00", two = "2021-06-01 - 11-00-00";
    const QByteArray t1 = "2021:06:01 10:00:00", t2 = "2021:06:01 11:00:00";
    const struct
    {
        const char *what;
        std::function<void(const QString &)> meanwhile;
        QStringList lines;  // the undo's report, the folder's path cut
        QStringList after;  // the folder's files after the undo
    } cases[] = {
        {"both photos tagged by another program",
         [&](const QString &f) { Retag(f + one + ".jpg", t1, "1"); Retag(f + two + ".jpg", t2, "2"); },
         {two + ".jpg -> IMG_0002.JPG", two + ".cr2 -> IMG_0002.CR2", one + ".xmp -> IMG_0001.xmp",
          one + ".jpg -> IMG_0001.JPG"},
         {"IMG_0001.JPG", "IMG_0001.xmp", "IMG_0002.CR2", "IMG_0002.JPG"}},
        {"a new photo took an old name",
         [&](const QString &f) { WriteExifJpeg(f + "IMG_0001.JPG", QByteArray("2024:01:01 00:00:00"), "neu"); },
         {two + ".jpg -> IMG_0002.JPG", two + ".cr2 -> IMG_0002.CR2",
          one + ".xmp: übersprungen (die Aufnahme bleibt beisammen, denn " + one
              + ".jpg: IMG_0001.JPG existiert bereits)",
          one + ".jpg: übersprungen (IMG_0001.JPG existiert bereits)"},
         {one + ".jpg", one + ".xmp", "IMG_0001.JPG", "IMG_0002.CR2", "IMG_0002.JPG"}},
        {"another photo took a new name",
         [&](const QString &f) { QFile::remove(f + two + ".cr2"); WriteExifJpeg(f + two + ".cr2", QByteArray("2024:01:01 00:00:00"), "x"); },
         {two + ".jpg: übersprungen (die Aufnahme bleibt beisammen, denn " + two
              + ".cr2: ist inzwischen eine andere Datei)",
          two + ".cr2: übersprungen (ist inzwischen eine andere Datei)",
          one + ".xmp -> IMG_0001.xmp", one + ".jpg -> IMG_0001.JPG"},
         {two + ".cr2", two + ".jpg", "IMG_0001.JPG", "IMG_0001.xmp"}},
        {"another photo written into a new name's file, as long as the old",
         [&](const QString &f) {
             WriteExifJpeg(f + two + ".cr2", QByteArray("2024:01:01 00:00:00"), "2 raw", {}, "Kamera");
             SetModified(f + two + ".cr2", QDateTime::currentDateTime().addSecs(60));
         },
         {two + ".jpg: übersprungen (die Aufnahme bleibt beisammen, denn " + two
              + ".cr2: ist inzwischen eine andere Datei)",
          two + ".cr2: übersprungen (ist inzwischen eine andere Datei)",
          one + ".xmp -> IMG_0001.xmp", one + ".jpg -> IMG_0001.JPG"},
         {two + ".cr2", two + ".jpg", "IMG_0001.JPG", "IMG_0001.xmp"}},
        {"a new sidecar took an old name", [&](const QString &f) { WriteFile(f + "IMG_0001.xmp", "neu"); },
         {two + ".jpg -> IMG_0002.JPG", two + ".cr2 -> IMG_0002.CR2",
          one + ".xmp: übersprungen (IMG_0001.xmp existiert bereits)",
          one + ".jpg: übersprungen (die Aufnahme bleibt beisammen, denn " + one
              + ".xmp: IMG_0001.xmp existiert bereits)"},
         {one + ".jpg", one + ".xmp", "IMG_0001.xmp", "IMG_0002.CR2", "IMG_0002.JPG"}},
        {"a photo deleted, its sidecar rewritten",
         [&](const QString &f) { QFile::remove(f + one + ".jpg"); QFile::remove(f + one + ".xmp"); WriteFile(f + one + ".xmp", "<x:xmpmeta/>"); },
         {two + ".jpg -> IMG_0002.JPG", two + ".cr2 -> IMG_0002.CR2",
          one + ".xmp: übersprungen (ist inzwischen eine andere Datei)", one + ".jpg: übersprungen (nicht mehr vorhanden)"},
         {one + ".xmp", "IMG_0002.CR2", "IMG_0002.JPG"}},
        {"a RAW deleted, a sidecar rewritten",
         [&](const QString &f) { QFile::remove(f + two + ".cr2"); QFile::remove(f + one + ".xmp"); WriteFile(f + one + ".xmp", "<x:xmpmeta/>"); },
         {two + ".jpg -> IMG_0002.JPG", two + ".cr2: übersprungen (nicht mehr vorhanden)",
          one + ".xmp -> IMG_0001.xmp", one + ".jpg -> IMG_0001.JPG"},
         {"IMG_0001.JPG", "IMG_0001.xmp", "IMG_0002.JPG"}},
    };
    for (const auto &c : cases) {
        QTemporaryDir dir;
        const QString f = dir.path() + '/';
        WriteExifJpeg(f + "IMG_0001.JPG", t1, "1", {}, "Kamera");
        WriteFile(f + "IMG_0001.xmp", "xmp 1");
        WriteExifJpeg(f + "IMG_0002.JPG", t2, "2", {}, "Kamera");
        WriteExifJpeg(f + "IMG_0002.CR2", t2, "2 raw", {}, "Kamera");
        RunBatchRename({{f, "IMG_0001.JPG"}, {f, "IMG_0002.JPG"}}, {});
        ASSERT_EQ(QDir(f).entryList(QDir::Files).filter("IMG_").size(), 0) << c.what;
        c.meanwhile(f);
        const auto before = FolderContents(f);
        const UndoRun run = UndoBatch(NewestUndoable()->number);
        EXPECT_EQ(Lines(run).replaceInStrings(f, QString()), c.lines) << c.what;
        EXPECT_EQ(run.allWell(), !c.lines.join(u' ').contains("übersprungen")) << c.what;
        EXPECT_TRUE(SameFilesRenamed(before, FolderContents(f))) << c.what << ": nothing lost or doubled";
        EXPECT_EQ(QDir(f).entryList(QDir::Files, QDir::Name), c.after) << c.what;
    }
}

// A batch killed half-way is undone to the last file; so is one killed
// between the link and the unlink of a rename that cannot refuse to
// replace, and there undo, or the next batch, drops the second name.
TEST_F(UndoTest, BatchKilledHalfWayIsUndone)
{
    const struct
    {
        const char *what;
        bool linkFallback;
        bool nextBatchMends;
    } cases[] = {
        {"killed after 1000 files", false, false},
        {"killed between link and unlink, undone", true, false},
        {"killed between link and unlink, a batch elsewhere", true, true},
    };
    for (const auto &c : cases) {
        QTemporaryDir dir;
        folder = dir.path() + '/';
        const auto jobs = photos(c.linkFallback ? 6 : 1200);
        const auto before = FolderContents(folder);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const NoReplaceRefused refused;
            if (c.linkFallback)
                KillAfterLink(4);
            RunBatchRename(jobs, {}, [&](const RenameOutcome &, int done, int) {
                if (done == 1000 && !c.linkFallback)
                    ::raise(SIGKILL);
                return true;
            });
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << c.what;
        const auto killed = FolderContents(folder);
        ASSERT_NE(killed.keys(), before.keys()) << c.what;
        ASSERT_TRUE(killed.contains(jobs.back().name)) << c.what << ": killed before the end";
        EXPECT_EQ(killed.size() > before.size(), c.linkFallback) << c.what;

        if (c.nextBatchMends) {
            QTemporaryDir elsewhere;
            WriteExifJpeg(elsewhere.path() + "/x.jpg", QByteArray("2021:06:01 12:00:00"), "x");
            RunBatchRename({{elsewhere.path() + '/', "x.jpg"}}, {});
            EXPECT_EQ(FolderContents(folder).size(), before.size()) << c.what << ": the second name is gone";
            ASSERT_TRUE(UndoBatch(NewestUndoable()->number).allWell());
        }
        const UndoRun run = undoNewest();
        EXPECT_TRUE(run.allWell()) << c.what << ": " << Lines(run).join('\n').toStdString();
        EXPECT_EQ(FolderContents(folder), before) << c.what;
    }
}

TEST_F(UndoTest, RunningBatchIsNotUndone)
{
    RunBatchRename(photos(2), {});
    const JournalInfo newest = *NewestUndoable();
    const QString path = JournalFolder() + JournalFileName(newest.number);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    const auto before = FolderContents(folder);
    const UndoRun run = UndoBatch(newest.number);
    ::close(fd);
    EXPECT_EQ(run.problem.system.error, EWOULDBLOCK);
    EXPECT_EQ(UndoProblemText(newest.number, run.problem),
              QStringLiteral("Umbenennung %1 läuft noch und wird nicht rückgängig gemacht.").arg(newest.number));
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
