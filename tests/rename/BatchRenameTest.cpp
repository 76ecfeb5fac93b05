#include "FolderFixture.h"
#include "TestFiles.h"
#include "TestPhotos.h"

#include "rename/CarryOutPlan.h"
#include "rename/RenameMessages.h"
#include "services/FolderListing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QByteArray First = "2016:08:28 02:24:00";
const QByteArray Second = "2016:08:28 02:25:10";

class BatchRenameTest : public FolderTest
{
protected:
    void photo(const QString &name, const std::optional<QByteArray> &time)
    {
        WriteExifJpeg(folder + name, time, name.toUtf8());
    }

    // Renames the named files in order and checks that no file was lost.
    std::vector<RenameOutcome> rename(const QStringList &names, RenameOptions options = {})
    {
        const auto before = FolderContents(folder);
        auto outcomes = RunBatchRename(jobs(names), options);
        EXPECT_TRUE(SameFilesRenamed(before, FolderContents(folder)));
        return outcomes;
    }

    QStringList files() const { return QDir(folder).entryList(QDir::Files, QDir::Name); }

    static RenameOptions frozen()
    {
        RenameOptions options;
        options.frozenTime = CaptureTime::FromExifText(u"2016:08:28 02:24:00");
        return options;
    }
};

} // namespace

TEST_F(BatchRenameTest, FrozenModeGivesEveryFileTheTimeAndTheNextLetter)
{
    photo("a.jpg", First);
    photo("b.jpg", Second);
    photo("c.jpg", std::nullopt);
    rename({"a.jpg", "b.jpg", "c.jpg"}, frozen());
    EXPECT_EQ(files(), QStringList({"2016-08-28 - 02-24-00a.jpg", "2016-08-28 - 02-24-00b.jpg",
                                    "2016-08-28 - 02-24-00c.jpg"}));

    // A second batch over the whole folder keeps the first one's letters and
    // gives the new files the free ones.
    const auto before = FolderContents(folder);
    photo("d.JPEG", std::nullopt);
    photo("e.png", std::nullopt);
    rename(files(), frozen());
    for (const QString &name : before.keys())
        EXPECT_EQ(ReadBytes(folder + name), before[name]) << name.toStdString();
    EXPECT_TRUE(QFile::exists(folder + "2016-08-28 - 02-24-00d.jpg"));
    EXPECT_TRUE(QFile::exists(folder + "2016-08-28 - 02-24-00a.png"));
}

// More shots than two blocks of reads: each is renamed after its own time,
// in list order, while later times are still being read on other threads.
TEST_F(BatchRenameTest, LargeBatchNamesEveryFileAfterItsOwnTime)
{
    const auto two = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    QStringList names;
    for (int i = 0; i < 700; ++i) {
        names << "IMG_" + QString::number(1000 + i) + ".jpg";
        photo(names.last(), ("2016:08:28 " + two(i / 60) + ":" + two(i % 60) + ":00").toLatin1());
    }
    const auto outcomes = rename(names);
    ASSERT_EQ(outcomes.size(), 700u);
    for (int i = 0; i < 700; ++i)
        EXPECT_EQ(RenameOutcomeLine(outcomes[size_t(i)]), folder + names[i] + " -> " + folder + "2016-08-28 - "
                                                              + two(i / 60) + "-" + two(i % 60) + "-00.jpg");
}

TEST_F(BatchRenameTest, OnlyRealCompleteTimesNameAFile)
{
    const struct
    {
        const char *name;
        QByteArray time;
        RenameReason reason;
    } cases[] = {
        {"zero.jpg", "0000:00:00 00:00:00", RenameReason::BadExifTime},
        {"empty.jpg", "", RenameReason::NoExifTime},
        {"padded.jpg", "2016:08:28 02:24:00   ", RenameReason::None},
    };
    QStringList names;
    for (const auto &c : cases) {
        photo(c.name, c.time);
        names << c.name;
    }
    const auto outcomes = rename(names);
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(outcomes[i].reason, cases[i].reason) << cases[i].name;
    EXPECT_TRUE(QFile::exists(folder + "2016-08-28 - 02-24-00.jpg"));
}

TEST_F(BatchRenameTest, FileTimesGoOnlyToTheFileOfTheEntry)
{
    photo("a.jpg", First);
    photo("2016-08-28 - 02-25-10.jpg", Second);
    photo("same.jpg", First);
    RenameOptions options;
    options.fileTimes = true;
    const auto outcomes = rename({"a.jpg", "2016-08-28 - 02-25-10.jpg", "same.jpg"}, options);
    EXPECT_EQ(outcomes[0].status, RenameStatus::Renamed);
    EXPECT_EQ(outcomes[1].reason, RenameReason::AlreadyNamed);
    EXPECT_EQ(outcomes[2].reason, RenameReason::NameTaken);
    EXPECT_EQ(ModificationTime(folder + "2016-08-28 - 02-24-00.jpg"), LocalMoment(First));
    EXPECT_EQ(ModificationTime(folder + "2016-08-28 - 02-25-10.jpg"), LocalMoment(Second));

    // The second photo of the same second keeps its name and its own time,
    // and the first one's times are not set again on its behalf.
    EXPECT_NE(ModificationTime(folder + "same.jpg"), LocalMoment(First));
    const QDateTime stamp(QDate(2001, 1, 1), QTime(0, 0));
    SetModified(folder + "2016-08-28 - 02-24-00.jpg", stamp);
    rename({"same.jpg"}, options);
    EXPECT_EQ(ModificationTime(folder + "2016-08-28 - 02-24-00.jpg"), stamp.toSecsSinceEpoch());
}

TEST_F(BatchRenameTest, TakenNamesInAnyLetterCaseBlockTheRenameAndStampNoOtherFile)
{
    for (char c = 'a'; c <= 'z'; ++c)
        photo(QStringLiteral("2016-08-28 - 02-24-00%1.jpg").arg(QChar(c)), Second);
    photo("2016-08-28 - 02-24-00.JPG", Second);
    photo("x.jpg", First);
    const qint64 zTime = ModificationTime(folder + "2016-08-28 - 02-24-00z.jpg");
    EXPECT_EQ(RenameOutcomeLine(rename({"x.jpg"})[0]),
              folder + "x.jpg: übersprungen (2016-08-28 - 02-24-00.jpg existiert bereits)");

    RenameOptions options = frozen();
    options.fileTimes = true;
    EXPECT_EQ(rename({"x.jpg"}, options)[0].reason, RenameReason::LettersTaken);
    EXPECT_TRUE(QFile::exists(folder + "x.jpg"));
    EXPECT_EQ(ModificationTime(folder + "2016-08-28 - 02-24-00z.jpg"), zTime);
}

TEST_F(BatchRenameTest, ReadOnlyFolderAndVanishedFileFailWithTheSystemsReason)
{
    photo("a.jpg", First);
    photo("gone.jpg", Second);
    QFile::remove(folder + "gone.jpg");
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0555), 0);
    std::vector<RenameOutcome> outcomes;
    {
        PermissionsEnforced enforced;
        outcomes = rename({"gone.jpg", "a.jpg"});
    }
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    ASSERT_EQ(outcomes.size(), 2u);
    EXPECT_EQ(outcomes[0].status, RenameStatus::Failed);
    EXPECT_EQ(outcomes[0].system.error, ENOENT);
    EXPECT_EQ(outcomes[1].status, RenameStatus::Failed);
    EXPECT_EQ(outcomes[1].system.error, EACCES);
    EXPECT_TRUE(RenameOutcomeLine(outcomes[1]).startsWith(folder + "a.jpg: fehlgeschlagen ("));
    EXPECT_FALSE(outcomes[1].system.reason().isEmpty());
    EXPECT_EQ(files(), QStringList({"a.jpg"}));
}

TEST_F(BatchRenameTest, CancelStopsAfterTheFileInHand)
{
    photo("a.jpg", First);
    photo("b.jpg", Second);
    int calls = 0;
    const auto outcomes = RunBatchRename({{folder, "a.jpg"}, {folder, "b.jpg"}}, {},
                                         [&](const RenameOutcome &, int done, int total) {
                                             ++calls;
                                             EXPECT_EQ(done, 1);
                                             EXPECT_EQ(total, 2);
                                             return false;
                                         });
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(files(), QStringList({"2016-08-28 - 02-24-00.jpg", "b.jpg"}));
}
