#include "FileTimeSeams.h"
#include "TestFiles.h"
#include "TestPhotos.h"

#include "rename/CarryOutPlan.h"
#include "rename/RenameJournal.h"
#include "rename/UndoBatch.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <cerrno>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString DateFolders = QStringLiteral("%Y/%Y-%m-%d/%Y-%m-%d - %H-%M-%S");

// Every file below `folder`, hidden ones too: relative path -> bytes.
QMap<QString, QByteArray> Tree(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path.mid(folder.size()), ReadBytes(path));
    }
    return files;
}

// The contents of the files, sorted: what a batch must neither lose nor double.
QByteArrayList Contents(const QMap<QString, QByteArray> &files)
{
    QByteArrayList contents = files.values();
    std::sort(contents.begin(), contents.end());
    return contents;
}

class LibraryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(cardTemp.isValid() && libraryTemp.isValid());
        card = cardTemp.path() + u'/';
        library = libraryTemp.path() + u'/';
    }

    // Three photos of distinct seconds on the card, the first with an .xmp.
    std::vector<RenameJob> shoot(const QString &folder, const QByteArray &payload = "card")
    {
        std::vector<RenameJob> jobs;
        for (int i = 0; i < 3; ++i) {
            const QString name = QStringLiteral("IMG_%1.JPG").arg(i);
            WriteExifJpeg(folder + name, QByteArray("2024:07:14 09:31:0") + char('0' + i), payload + char('0' + i));
            jobs.push_back({folder, name, std::nullopt});
        }
        WriteFile(folder + "IMG_0.xmp", "<x:xmpmeta/>" + payload);
        return jobs;
    }

    std::vector<RenameOutcome> sort(const std::vector<RenameJob> &jobs, bool copy)
    {
        RenameOptions options;
        options.targetFolder = library;
        options.copy = copy;
        options.pattern = std::get<NamePattern>(NamePattern::parse(DateFolders, false));
        return RunBatchRename(jobs, options);
    }

    static UndoRun undoNewest()
    {
        const std::optional<JournalInfo> newest = NewestUndoable();
        return newest ? UndoBatch(newest->number) : UndoRun{};
    }

    QTemporaryDir cardTemp, libraryTemp;
    QString card, library;
};

// How a batch meets the library's file system, and whether the copies hold.
struct SortCase
{
    const char *name;
    bool copy;
    int renameError;      // EXDEV: the library lies on another file system
    bool noUnnamedFiles;  // its file system offers no O_TMPFILE
    bool shortWrites;     // its disk silently keeps half of each write
};

const SortCase SortCases[] = {
    {"Copy", true, 0, false, false},
    {"CopyUnderTemporaryNames", true, 0, true, false},
    {"MoveOnOneFileSystem", false, 0, false, false},
    {"MoveAcrossFileSystems", false, EXDEV, false, false},
    {"MoveAcrossUnderTemporaryNames", false, EXDEV, true, false},
    {"CopyFailsItsCheck", true, 0, false, true},
    {"MoveAcrossFailsItsCheck", false, EXDEV, true, true},
};

class SortTest : public LibraryTest, public ::testing::WithParamInterface<SortCase>
{
};

INSTANTIATE_TEST_SUITE_P(Ways, SortTest, ::testing::ValuesIn(SortCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

// Photos and their companions land in date folders of the library, copied
// or moved, each content once there (and a copy's still on the card); a
// copy that fails its check leaves nothing behind and its source in place.
// Undo brings the card back as it was and leaves the library empty.
TEST_P(SortTest, LosesAndDoublesNothingAndUndoes)
{
    const SortCase &c = GetParam();
    const std::vector<RenameJob> jobs = shoot(card);
    const auto before = Tree(card);
    SetModified(card + "IMG_1.JPG", QDateTime(QDate(2024, 7, 14), QTime(9, 31, 1), Qt::UTC));
    auto seams = std::make_optional<DiskSeams>(c.renameError, c.noUnnamedFiles, c.shortWrites);
    const std::vector<RenameOutcome> outcomes = sort(jobs, c.copy);
    // Undo meets the same file systems, but a sound disk.
    seams.emplace(c.renameError, c.noUnnamedFiles, false);
    ASSERT_EQ(outcomes.size(), 4u);
    for (const RenameOutcome &outcome : outcomes) {
        EXPECT_EQ(outcome.status, c.shortWrites ? RenameStatus::Failed : RenameStatus::Renamed) << outcome.oldPath.toStdString();
        EXPECT_EQ(outcome.transfer, c.copy ? RenameTransfer::Copy : RenameTransfer::Move);
    }
    EXPECT_EQ(outcomes[0].reason, c.shortWrites ? RenameReason::CopyDiffers : RenameReason::None);
    const auto sorted = Tree(library);
    if (c.shortWrites) {
        EXPECT_TRUE(sorted.isEmpty()) << sorted.keys().join(' ').toStdString();
        EXPECT_EQ(Tree(card), before);
        return;
    }
    EXPECT_EQ(sorted.keys(), QStringList({"2024/2024-07-14/2024-07-14 - 09-31-00.jpg",
                                          "2024/2024-07-14/2024-07-14 - 09-31-00.xmp",
                                          "2024/2024-07-14/2024-07-14 - 09-31-01.jpg",
                                          "2024/2024-07-14/2024-07-14 - 09-31-02.jpg"}));
    EXPECT_EQ(Contents(sorted), Contents(before));
    EXPECT_EQ(ModificationTime(library + "2024/2024-07-14/2024-07-14 - 09-31-01.jpg"),
              QDateTime(QDate(2024, 7, 14), QTime(9, 31, 1), Qt::UTC).toSecsSinceEpoch());
    EXPECT_EQ(Tree(card), c.copy ? before : decltype(before){});

    const UndoRun undone = undoNewest();
    EXPECT_TRUE(undone.allWell());
    EXPECT_EQ(undone.outcomes.size(), 4u);
    EXPECT_EQ(Tree(card), before);
    EXPECT_TRUE(QDir(library).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

// What is in the library already, by content, is not brought again: a card
// imported twice (copied, then moved: the card keeps its photos), the same
// photo on two cards in one batch; a different photo on the name makes the
// newcomer take a letter.
TEST_F(LibraryTest, WhatIsThereIsNotBroughtAgain)
{
    const std::vector<RenameJob> first = shoot(card);
    const auto cardBefore = Tree(card);
    sort(first, true);
    const auto once = Tree(library);
    for (const RenameOutcome &outcome : sort(first, false)) {
        EXPECT_EQ(outcome.reason, RenameReason::AlreadyInLibrary) << outcome.oldPath.toStdString();
        EXPECT_EQ(outcome.status, RenameStatus::Skipped);
    }
    EXPECT_EQ(Tree(library), once);
    EXPECT_EQ(Tree(card), cardBefore);

    QTemporaryDir twinA, twinB;
    const QString a = twinA.path() + u'/', b = twinB.path() + u'/';
    std::vector<RenameJob> twins = shoot(a, "twin");
    const std::vector<RenameJob> second = shoot(b, "twin");
    twins.insert(twins.end(), second.begin(), second.end());
    const auto twinContents = Contents(Tree(a));
    const std::vector<RenameOutcome> outcomes = sort(twins, true);
    const auto count = [&](RenameReason reason) {
        return std::count_if(outcomes.begin(), outcomes.end(), [&](const auto &o) { return o.reason == reason; });
    };
    EXPECT_EQ(count(RenameReason::AlreadyInLibrary), 4);
    const auto now = Tree(library);
    EXPECT_EQ(now.size(), once.size() + 4) << "the twins' files once, lettered";
    EXPECT_TRUE(now.contains("2024/2024-07-14/2024-07-14 - 09-31-00a.jpg"));
    for (const QByteArray &content : twinContents)
        EXPECT_EQ(std::count(now.begin(), now.end(), content), 1);
    EXPECT_EQ(Contents(Tree(a)), twinContents);
}

// A copy edited since, or one whose original is gone from the card, is not
// removed by undo, and said so; the others go.
TEST_F(LibraryTest, UndoKeepsACopyThatIsNoLongerASpare)
{
    const QString kept = library + "2024/2024-07-14/2024-07-14 - 09-31-01.jpg";
    const struct { const char *name; std::function<void()> change; UndoReason reason; } cases[] = {
        {"edited", [&] { WriteFile(kept, ReadBytes(kept) + "bearbeitet"); }, UndoReason::CopyEdited},
        {"card wiped", [&] { QFile::remove(card + "IMG_1.JPG"); }, UndoReason::SourceGone},
        {"card edited", [&] { WriteFile(card + "IMG_1.JPG", "anders"); }, UndoReason::SourceGone},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(card).removeRecursively();
        QDir(library).removeRecursively();
        QDir().mkpath(card);
        QDir().mkpath(library);
        sort(shoot(card), true);
        c.change();
        const auto cardBefore = Tree(card);
        const auto libraryBefore = Tree(library);
        const UndoRun undone = undoNewest();
        EXPECT_FALSE(undone.allWell());
        const auto stays = std::find_if(undone.outcomes.begin(), undone.outcomes.end(),
                                        [&](const UndoOutcome &o) { return o.reason == c.reason; });
        ASSERT_NE(stays, undone.outcomes.end());
        EXPECT_EQ(stays->newPath, kept);
        EXPECT_EQ(Tree(library).keys(), QStringList({"2024/2024-07-14/2024-07-14 - 09-31-01.jpg"}));
        EXPECT_EQ(Tree(library).value("2024/2024-07-14/2024-07-14 - 09-31-01.jpg"),
                  libraryBefore.value("2024/2024-07-14/2024-07-14 - 09-31-01.jpg"));
        EXPECT_EQ(Tree(card), cardBefore);
    }
}

// A batch killed in the middle of a copy under a temporary name leaves
// that name; undo, or else the next batch, removes it, and nothing else:
// the card stays whole, the library holds no partial copy.
TEST_F(LibraryTest, AKillMidCopyLeavesNoHalfFile)
{
    for (const bool undo : {true, false}) {
        const std::vector<RenameJob> jobs = shoot(card, undo ? "undo" : "next");
        const auto before = Tree(card);
        const pid_t child = ::fork();
        if (child == 0) {
            const NoReplaceRefused otherFileSystem(EXDEV);
            const UnnamedFilesRefused noUnnamed;
            KillAfterWrites(1);
            sort(jobs, false);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        const auto left = Tree(library);
        ASSERT_EQ(left.size(), 1);
        EXPECT_TRUE(left.firstKey().contains(".fotlex-copy-"));
        if (undo) {
            undoNewest();
        } else {
            QTemporaryDir other;
            WriteExifJpeg(other.filePath("x.jpg"), QByteArray("2020:01:01 00:00:00"));
            RunBatchRename({{other.path() + u'/', "x.jpg", std::nullopt}}, {});
        }
        EXPECT_TRUE(Tree(library).isEmpty()) << (undo ? "undo " : "next run ");
        EXPECT_EQ(Tree(card), before);
        QDir(library).removeRecursively();
        QDir().mkpath(library);
    }
}

// A journal of version 3 (renames into made folders) is still undone.
TEST_F(LibraryTest, AVersionThreeJournalIsUndone)
{
    QDir().mkpath(card + "2021");
    WriteExifJpeg(card + "2021/x.jpg", QByteArray("2021:06:01 10:00:00"), "v3");
    const QByteArray at = QFile::encodeName(card);
    const QByteArray journal = "fotlex-journal\t3\trename\t1622534400000\t0\n"
                               "D\t" + at + "2021/\n"
                               "R\t0\t" + at + "\tIMG_1.jpg\t2021/x.jpg\t1\t2\t3\t0\t0\t0\t0\t2021:06:01 10:00:00\t\n"
                               "E\t1\n";
    QDir().mkpath(JournalFolder());
    WriteFile(JournalFolder() + JournalFileName(900), journal);
    const UndoRun undone = UndoBatch(900);
    EXPECT_TRUE(undone.allWell()) << int(undone.problem.kind);
    EXPECT_EQ(Tree(card).keys(), QStringList({"IMG_1.jpg"}));
    EXPECT_FALSE(QDir(card + "2021").exists());
}

// One folder on FAT is enough to refuse what FAT refuses, whatever folders
// follow; with a target folder only its file system counts.
TEST_F(LibraryTest, PatternIsCheckedAgainstTheFileSystemsItWritesTo)
{
    QTemporaryDir other;
    const QString plain = other.path() + u'/';
    const std::vector<RenameJob> fatFirst{{card, "a.jpg", std::nullopt}, {plain, "b.jpg", std::nullopt}};
    const struct
    {
        const char *what;
        QString fat;
        QString target;
        bool refused;
    } cases[] = {
        {"no FAT", {}, {}, false},
        {"a FAT folder before a plain one", card, {}, true},
        {"a FAT target", library, library, true},
        {"a plain target for FAT sources", card, library, false},
    };
    for (const auto &c : cases) {
        const FatFolder fat(c.fat.isEmpty() ? QStringLiteral("/nirgends/") : c.fat);
        const auto parsed = PatternForJobs(QStringLiteral("%H:%M"), fatFirst, c.target);
        EXPECT_EQ(std::holds_alternative<PatternError>(parsed), c.refused) << c.what;
    }
}
