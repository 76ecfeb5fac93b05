#include "TestFiles.h"
#include "TestPhotos.h"

#include "rename/CarryOutPlan.h"
#include "rename/JournalPruning.h"
#include "rename/RenameJournal.h"
#include "rename/UndoBatch.h"
#include "rename/UndoMessages.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The journals of this test alone: a state folder of its own.
class JournalTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(state.isValid() && temp.isValid());
        saved = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
        folder = temp.path() + '/';
    }
    void TearDown() override { qputenv("XDG_STATE_HOME", saved); }

    // Photos IMG_0.jpg ... of distinct seconds in `dir`; their jobs.
    static std::vector<RenameJob> photos(const QString &dir, int count)
    {
        std::vector<RenameJob> jobs;
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("IMG_%1.jpg").arg(i);
            WriteExifJpeg(dir + name, QStringLiteral("2021:06:01 10:00:%1").arg(i, 2, 10, QChar(u'0')).toLatin1(),
                          (dir + name).toUtf8());
            jobs.push_back({dir, name});
        }
        return jobs;
    }

    static std::vector<RenameJob> jobsOf(const QString &dir)
    {
        std::vector<RenameJob> jobs;
        for (const QString &name : QDir(dir).entryList(QDir::Files, QDir::Name))
            jobs.push_back({dir, name});
        return jobs;
    }

    QByteArray saved;
    QTemporaryDir state, temp;
    QString folder;
};

JournalFileState Journal(int number, qint64 ageSeconds, bool changed = true, qint64 bytes = 1000)
{
    const QDateTime when = QDateTime::currentDateTime().addSecs(-ageSeconds);
    return {number, bytes, when, when, false, false, changed};
}

} // namespace

// Whichever rule keeps more wins, the limits end it, and what may not go
// never goes.
TEST(JournalPruning, KeepsWhatMattersWithinItsLimits)
{
    constexpr qint64 Day = 86400;
    const auto many = [](int count, qint64 age, qint64 bytes = 1000) {
        std::vector<JournalFileState> journals;
        for (int n = 1; n <= count; ++n)
            journals.push_back(Journal(n, age, true, bytes));
        return journals;
    };
    std::vector<JournalFileState> odd = many(3, 200 * Day);
    odd.push_back(Journal(4, 200 * Day, false));             // changed nothing
    odd.push_back(Journal(5, 30, false));                    // changed nothing, but young
    odd.push_back(Journal(6, 200 * Day));
    odd.back().headerless = true;                            // a kill's trace
    odd.push_back(Journal(7, 20));
    odd.back().headerless = true;                            // a journal being made
    odd.push_back(Journal(8, 200 * Day, false));
    odd.back().locked = true;
    odd.push_back(Journal(9, 200 * Day, false));             // the newest
    const struct
    {
        const char *what;
        std::vector<JournalFileState> journals;
        int firstKept;  // the journals before it go
        std::vector<int> alsoGone;
    } cases[] = {
        {"150 old batches: the last 100", many(150, 200 * Day), 51, {}},
        {"150 of the last 90 days: all", many(150, 10 * Day), 1, {}},
        {"1,200 of the last 90 days: 1,000", many(1200, 10 * Day), 201, {}},
        {"20 of 100 MiB: 1 GiB", many(20, Day, 100 << 20), 11, {}},
        {"a lone old batch, the newest", many(1, 900 * Day), 1, {}},
        {"nothing changed, no header, locked, young", odd, 1, {4, 6}},
    };
    for (const auto &c : cases) {
        std::vector<int> expected;
        for (int n = 1; n < c.firstKept; ++n)
            expected.push_back(n);
        expected.insert(expected.end(), c.alsoGone.begin(), c.alsoGone.end());
        EXPECT_EQ(JournalsToPrune(c.journals, QDateTime::currentDateTime()), expected) << c.what;
    }
}

// Journals of today's program and of the first version are read; damage is
// said with the journal's name, and a cut last line (a kill's trace) is none.
TEST_F(JournalTest, DamageIsSaidAndAFirstVersionJournalIsUndone)
{
    WriteExifJpeg(folder + "2021-06-01 - 10-00-00.jpg", QByteArray("2021:06:01 10:00:00"), "alt");
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(folder + "2021-06-01 - 10-00-00.jpg").constData(), &st), 0);
    const QByteArray identity = QByteArray::number(qulonglong(st.st_dev)) + '\t' + QByteArray::number(qulonglong(st.st_ino))
        + '\t' + QByteArray::number(qlonglong(st.st_size)) + "\t0\t"
        + QByteArray::number(qlonglong(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec) + "\tabc\t0";
    const QByteArray at = QFile::encodeName(folder);
    const QByteArray v1 = "I\t" + at + "\tIMG_1.jpg\t2021-06-01 - 10-00-00.jpg\t" + identity + '\n';
    const QByteArray v2 = "R\t0\t" + at + "\tIMG_2.jpg\tfehlt.jpg\t1\t2\t3\t0\t0\t0\t0\t2021:06:01 10:00:00.59+02:00\tCam%09X\n";
    const auto header = [](int version) {
        return "fotlex-journal\t" + QByteArray::number(version) + "\trename\t1622534400000\t0\n";
    };
    const struct
    {
        const char *what;
        QByteArray content;
        JournalProblem::Kind problem;
        size_t intents;
        const char *says;
    } cases[] = {
        {"first version", header(1) + v1 + "E\t1\n", JournalProblem::Kind::None, 1, nullptr},
        {"cut last line", header(2) + v2 + v2.left(20), JournalProblem::Kind::None, 1, nullptr},
        {"garbage within", header(2) + v2 + "Unsinn\n" + v2 + "R\t1\n" + v2, JournalProblem::Kind::DamagedLines, 3,
         " ist beschädigt: 2 Zeilen ab Zeile 3 sind unlesbar"},
        {"damaged header", "fotlex-journal\tzwei\n" + v2, JournalProblem::Kind::DamagedHeader, 0,
         " ist beschädigt: die erste Zeile ist kein Journalkopf."},
        {"empty", {}, JournalProblem::Kind::Empty, 0, " ist leer: "},
        {"a later version", header(kJournalVersion + 1) + "X\tneu\n", JournalProblem::Kind::NewerVersion, 0,
         " stammt von einer neueren"},
        {"an empty first line", "\n" + v2, JournalProblem::Kind::DamagedHeader, 0, nullptr},
        {"a hash of a relative path", header(4) + "H\tx.jpg\t1f\n", JournalProblem::Kind::DamagedLines, 0, nullptr},
    };
    int number = 0;
    for (const auto &c : cases) {
        const QString path = JournalFolder() + JournalFileName(++number);
        QDir().mkpath(JournalFolder());
        WriteFile(path, c.content);
        const JournalReader reader(number);
        EXPECT_EQ(reader.problem().kind, c.problem) << c.what;
        EXPECT_EQ(reader.intents().size(), c.intents) << c.what;
        if (c.says) {
            EXPECT_TRUE(UndoProblemText(number, reader.problem()).contains(path + c.says))
                << c.what << ": " << UndoProblemText(number, reader.problem()).toStdString();
        }
    }
    const JournalIntent read = JournalReader(2).intents().at(0);
    EXPECT_EQ(read.captured, CaptureTime::FromExifText(u"2021:06:01 10:00:00")->withSubSeconds("59").withOffsetMinutes(120));
    EXPECT_EQ(read.camera, "Cam\tX");

    // The list says every journal but the one being made by an old version.
    const std::vector<JournalInfo> listed = ListJournals();
    ASSERT_EQ(listed.size(), 7u);
    EXPECT_TRUE(BatchListLine(listed[3]).contains("beschädigt")) << BatchListLine(listed[3]).toStdString();
    EXPECT_EQ(NewestUndoable()->number, 3) << "a damaged header or a later version is no batch to take back";

    const UndoRun run = UndoBatch(1);
    EXPECT_TRUE(run.allWell()) << UndoOutcomeLine(run.outcomes.at(0)).toStdString();
    EXPECT_EQ(ReadBytes(folder + "IMG_1.jpg").right(3), "alt");

    // A record with a field that is no number, or a link without its folder, is damage.
    for (const QByteArray &line : {"R\tx" + v2.mid(3), QByteArray("L\t\tIMG_2.jpg\tfehlt.jpg\n")}) {
        WriteFile(JournalFolder() + JournalFileName(++number), header(4) + line + "T\t/x\n");
        EXPECT_EQ(JournalReader(number).problem().kind, JournalProblem::Kind::DamagedLines) << line.constData();
    }
}

// Only a batch that changes something is journaled, times alone too;
// undo takes the newest such, and an undo of that undo does the batch
// again, which then counts as not taken back.
TEST_F(JournalTest, OnlyBatchesThatChangeSomethingAreJournaledAndUndone)
{
    const std::vector<RenameJob> jobs = photos(folder, 3);
    const auto before = FolderState(folder);
    RunBatchRename(jobs, {});
    const auto renamed = FolderState(folder);
    QTemporaryDir empty;
    for (int i = 0; i < 101; ++i)
        RunBatchRename(jobsOf(folder), {});
    RunBatchRename({{empty.path() + '/', "fehlt.jpg"}}, {});
    ASSERT_EQ(ListJournals().size(), 1u) << "runs that change nothing leave no journal";

    RenameOptions stamp;
    stamp.fileTimes = true;
    RunBatchRename(jobsOf(folder), stamp);
    const auto stamped = FolderState(folder);
    RunBatchRename(jobsOf(folder), stamp);
    const std::vector<JournalInfo> journals = ListJournals();
    ASSERT_EQ(journals.size(), 2u) << "times set, then the same times again: one journal";
    EXPECT_TRUE(BatchListLine(journals[1]).endsWith("3 Dateien")) << BatchListLine(journals[1]).toStdString();
    EXPECT_NE(stamped.first().second, renamed.first().second);

    const struct
    {
        int number;  // 0: the newest to undo
        const QMap<QString, std::pair<QByteArray, qint64>> &leaves;
        size_t journals;
    } steps[] = {{0, renamed, 3}, {0, before, 4}, {4, renamed, 5}, {0, before, 6}};
    for (const auto &step : steps) {
        const int number = step.number != 0 ? step.number : NewestUndoable()->number;
        const UndoRun run = UndoBatch(number);
        EXPECT_TRUE(run.allWell()) << number;
        EXPECT_EQ(run.outcomes.size(), 3u) << number;
        EXPECT_EQ(FolderState(folder), step.leaves) << number;
        EXPECT_EQ(ListJournals().size(), step.journals) << number;
    }
    EXPECT_FALSE(NewestUndoable()) << "every batch is taken back";

    // An undo cut short takes nothing back.
    const int last = ListJournals().back().number;
    WriteFile(JournalFolder() + JournalFileName(last + 1),
              "fotlex-journal\t3\tundo\t1622534400000\t" + QByteArray::number(last) + '\n');
    EXPECT_FALSE(NewestUndoable());
}

// Three processes rename one-photo folders at once, pruning as they go:
// every batch keeps a journal of its own, and each undoes its own folder.
TEST_F(JournalTest, ParallelBatchesNeverShareOrLoseAJournal)
{
    constexpr int Processes = 3, Folders = 16;
    QDir().mkpath(JournalFolder());
    const QString trace = WriteFile(JournalFolder() + JournalFileName(1), "fotlex-jour");
    const struct timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(trace).constData(), old, 0);
    std::vector<QString> folders;
    for (int f = 0; f < Processes * Folders; ++f) {
        folders.push_back(folder + QString::number(f) + '/');
        QDir().mkpath(folders.back());
        photos(folders.back(), 1);
    }
    std::vector<pid_t> children;
    for (int p = 0; p < Processes; ++p) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int f = p; f < Processes * Folders; f += Processes)
                RunBatchRename(jobsOf(folders[size_t(f)]), {});
            ::_exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const std::vector<JournalInfo> journals = ListJournals();
    QSet<QString> journaled;
    for (const JournalInfo &journal : journals) {
        EXPECT_TRUE(journal.complete && journal.files == 1) << BatchListLine(journal).toStdString();
        journaled.insert(journal.folder);
    }
    EXPECT_EQ(journals.size(), folders.size());
    EXPECT_EQ(journaled.size(), qsizetype(folders.size()));
    EXPECT_FALSE(QFile::exists(trace)) << "the trace of a kill is removed quietly";
    for (const JournalInfo &journal : journals)
        EXPECT_TRUE(UndoBatch(journal.number).allWell()) << journal.number;
    for (const QString &dir : folders)
        EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList{"IMG_0.jpg"}) << dir.toStdString();
}
