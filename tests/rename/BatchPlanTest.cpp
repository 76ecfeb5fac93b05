#include "TestFiles.h"
#include "TestPhotos.h"

#include "rename/BatchPlan.h"
#include "rename/CarryOutPlan.h"
#include "rename/ClockShift.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Shot
{
    QString name;
    QByteArray time;  // empty: no EXIF block
    QByteArray subSeconds = {};
};

class BatchPlanTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        folder = temp.path() + '/';
    }

    void write(const QList<Shot> &shots)
    {
        for (const Shot &shot : shots) {
            if (shot.time.isEmpty())
                WriteFile(folder + shot.name, shot.name.toUtf8());
            else
                WriteExifJpeg(folder + shot.name, shot.time, shot.name.toUtf8(), shot.subSeconds);
        }
    }

    // Renames the named files in order; checks that no file was lost and
    // that the plan foretold exactly what happened.
    QStringList rename(const QStringList &names, const RenameOptions &options = {})
    {
        const auto before = FolderContents(folder);
        std::vector<RenameJob> jobs;
        for (const QString &name : names)
            jobs.push_back({folder, name, std::nullopt});
        const BatchPlan plan = PlanBatch(jobs, options);
        const std::vector<RenameOutcome> outcomes = CarryOutPlan(plan);
        EXPECT_TRUE(SameFilesRenamed(before, FolderContents(folder)));
        EXPECT_EQ(outcomes.size(), plan.files.size());
        for (size_t i = 0; i < outcomes.size() && i < plan.files.size(); ++i)
            EXPECT_EQ(outcomes[i].status, plan.files[i].outcome.status) << i;
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }

    QTemporaryDir temp;
    QString folder;
};

RenameOptions Burst()
{
    RenameOptions options;
    options.burst = true;
    return options;
}

const QByteArray T = "2021:06:01 10:00:00";

} // namespace

TEST_F(BatchPlanTest, BurstsTakeLettersInCaptureOrder)
{
    const QString a = "2021-06-01 - 10-00-00a.jpg", b = "2021-06-01 - 10-00-00b.jpg",
                  c = "2021-06-01 - 10-00-00c.jpg";
    const struct
    {
        const char *what;
        QList<Shot> shots;
        QStringList expected;  // each shot's new name
    } cases[] = {
        {"fractions of different lengths: 0.10 < 0.25 < 0.5",
         {{"IMG_1.jpg", T, "5"}, {"IMG_2.jpg", T, "10"}, {"IMG_3.jpg", T, "25"}}, {c, a, b}},
        {"without fractions the list order; a photo alone gets no letter",
         {{"IMG_10.jpg", T}, {"IMG_9.jpg", T}, {"IMG_11.jpg", "2021:06:01 10:00:01"}},
         {a, b, "2021-06-01 - 10-00-01.jpg"}},
        {"a fraction missing: the list order", {{"IMG_1.jpg", T, "9"}, {"IMG_2.jpg", T}}, {a, b}},
    };
    for (const auto &test : cases) {
        QTemporaryDir dir;
        folder = dir.path() + '/';
        write(test.shots);
        QStringList names;
        for (const Shot &shot : test.shots)
            names << shot.name;
        const auto before = FolderContents(folder);
        rename(names, Burst());
        const auto after = FolderContents(folder);
        for (int i = 0; i < names.size(); ++i)
            EXPECT_EQ(after.value(test.expected[i]), before.value(names[i])) << test.what << " " << i;
        rename(after.keys(), Burst());
        EXPECT_EQ(FolderContents(folder), after) << test.what << ": a second run changes nothing";
    }
}

TEST_F(BatchPlanTest, BurstOfMoreThan26GetsTwoLettersForAll)
{
    QStringList names;
    for (int i = 0; i < 27; ++i) {
        names << QStringLiteral("IMG_%1.jpg").arg(i, 2, 10, QChar(u'0'));
        write({{names.last(), T}});
    }
    const QStringList after = rename(names, Burst());
    EXPECT_EQ(after.first(), "2021-06-01 - 10-00-00aa.jpg");
    EXPECT_EQ(after.at(25), "2021-06-01 - 10-00-00az.jpg");
    EXPECT_EQ(after.last(), "2021-06-01 - 10-00-00ba.jpg");
}

TEST_F(BatchPlanTest, ShotsMoveWithTheirCompanionsWholeOrNotAtAll)
{
    write({{"IMG_1.JPG", T}, {"IMG_1.tif", {}}, {"IMG_1.MOV", {}},
           {"IMG_1.xmp", {}}, {"IMG_1.tif.XMP", {}}, {"IMG_1.txt", {}},
           {"IMG_2.jpg", "2021:06:01 12:00:00"}, {"IMG_2.xmp", {}}, {"2021-06-01 - 12-00-00.xmp", {}}});
    EXPECT_EQ(rename({"IMG_1.tif", "IMG_1.JPG", "IMG_2.jpg"}),
              QStringList({"2021-06-01 - 10-00-00.jpg", "2021-06-01 - 10-00-00.mov",
                           "2021-06-01 - 10-00-00.tif", "2021-06-01 - 10-00-00.tif.xmp",
                           "2021-06-01 - 10-00-00.xmp", "2021-06-01 - 12-00-00.xmp",
                           "IMG_1.txt", "IMG_2.jpg", "IMG_2.xmp"}))
        << "the first still with a time names the shot; a taken companion name keeps IMG_2 whole";

    write({{"IMG_3.jpg", "2021:06:01 13:00:00"}, {"IMG_3.xmp", {}}});
    RenameOptions alone;
    alone.companions = false;
    EXPECT_TRUE(rename({"IMG_3.jpg"}, alone).contains("IMG_3.xmp"));
}

TEST_F(BatchPlanTest, ClockShiftCrossesDaysMonthsAndYears)
{
    const struct
    {
        const char *text;
        std::optional<qint64> seconds;
    } shifts[] = {
        {"+1:00", 3600}, {"-00:20", -1200}, {"27:30:15", 27 * 3600 + 1815}, {"0:00:01", 1},
        {"1:60", {}}, {"+1", {}}, {"1:5", {}}, {"--1:00", {}}, {"", {}}, {"1:00:60", {}}, {"a:00", {}},
    };
    for (const auto &s : shifts)
        EXPECT_EQ(ParseClockShift(s.text), s.seconds) << s.text;

    write({{"IMG_1.jpg", "2021:12:31 23:30:00"}});
    RenameOptions options;
    options.shiftSeconds = 3600;
    options.fileTimes = true;
    EXPECT_EQ(rename({"IMG_1.jpg"}, options), QStringList({"2022-01-01 - 00-30-00.jpg"}));
    EXPECT_EQ(ModificationTime(folder + "2022-01-01 - 00-30-00.jpg"), LocalMoment("2022:01:01 00:30:00"));
    // The offset makes no time of a file that has none.
    write({{"ohne.jpg", {}}});
    EXPECT_EQ(PlanBatch({{folder, "ohne.jpg", std::nullopt}}, options).files.at(0).outcome.reason,
              RenameReason::NoExifTime);
}
