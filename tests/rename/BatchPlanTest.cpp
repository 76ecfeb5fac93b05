#include "FolderFixture.h"
#include "TestFiles.h"
#include "TestPhotos.h"
#include "tests/support/ExifBuilder.h"

#include "rename/BatchPlan.h"
#include "rename/CarryOutPlan.h"
#include "rename/ClockShift.h"
#include "rename/RenameMessages.h"

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

class BatchPlanTest : public FolderTest
{
protected:
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
        const BatchPlan plan = PlanBatch(jobs(names), options);
        const std::vector<RenameOutcome> outcomes = CarryOutPlan(plan);
        EXPECT_TRUE(SameFilesRenamed(before, FolderContents(folder)));
        EXPECT_EQ(outcomes.size(), plan.files.size());
        for (size_t i = 0; i < outcomes.size() && i < plan.files.size(); ++i)
            EXPECT_EQ(outcomes[i].status, plan.files[i].outcome.status) << i;
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }
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
        Shot added = {};       // a photo of the second added before a third run
        QString addedName = {};
    } cases[] = {
        {"fractions of different lengths: 0.10 < 0.25 < 0.5; one added later takes a free letter",
         {{"IMG_1.jpg", T, "5"}, {"IMG_2.jpg", T, "10"}, {"IMG_3.jpg", T, "25"}}, {c, a, b},
         {"IMG_4.jpg", T, "05"}, "2021-06-01 - 10-00-00d.jpg"},
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
        if (test.addedName.isEmpty())
            continue;
        write({test.added});
        rename(FolderContents(folder).keys(), Burst());
        const auto again = FolderContents(folder);
        for (const QString &name : after.keys())
            EXPECT_EQ(again.value(name), after.value(name)) << test.what << ": " << name.toStdString();
        EXPECT_TRUE(again.contains(test.addedName)) << test.what;
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

namespace {

// A phone's video: QuickTime metadata with its creation date, as
// "2021-04-11T15:47:54-0500".
QByteArray PhoneVideo(const QByteArray &creationDate)
{
    const QByteArray key("com.apple.quicktime.creationdate");
    const QByteArray keys = IsoBoxBytes("keys", BigEndian(0, 4) + BigEndian(1, 4) + BigEndian(8 + key.size(), 4) + "mdta" + key);
    const QByteArray value = IsoBoxBytes("data", BigEndian(1, 4) + BigEndian(0, 4) + creationDate);
    const QByteArray ilst = IsoBoxBytes("ilst", BigEndian(8 + value.size(), 4) + BigEndian(1, 4) + value);
    const QByteArray meta = IsoBoxBytes("meta", IsoBoxBytes("hdlr", BigEndian(0, 8) + "mdta" + QByteArray(13, '\0')) + keys + ilst);
    return IsoBoxBytes("ftyp", QByteArray("qt  ") + BigEndian(0, 4) + "qt  ")
        + IsoBoxBytes("moov", IsoBoxBytes("mvhd", QByteArray(100, '\0')) + meta);
}

struct ShotCase
{
    const char *what;
    QList<Shot> shots;       // time "-": a file without EXIF; "mov:...": a phone's video
    QStringList asked;
    QStringList after;       // the folder's files afterwards
    QStringList companionAmbiguous = {};
};

} // namespace

// Each case: every file asked for is reported once, nothing is lost, and
// the folder holds what the case says.
class ShotCasesTest : public BatchPlanTest
{
protected:
    void run(const QList<ShotCase> &cases)
    {
        for (const ShotCase &c : cases) {
            QTemporaryDir dir;
            folder = dir.path() + '/';
            for (const Shot &shot : c.shots) {
                if (shot.time.startsWith("mov:"))
                    WriteFile(folder + shot.name, PhoneVideo(shot.time.mid(4)));
                else if (shot.time.startsWith("copy:"))
                    CopyPhoto(QString::fromLatin1(shot.time.mid(5)), dir.path(), shot.name);
                else
                    write({{shot.name, shot.time == "-" ? QByteArray() : shot.time}});
            }
            const auto before = FolderContents(folder);
            const std::vector<RenameOutcome> outcomes = CarryOutPlan(PlanBatch(jobs(c.asked), {}));
            for (const QString &name : c.asked)
                EXPECT_EQ(std::count_if(outcomes.begin(), outcomes.end(),
                                        [&](const RenameOutcome &o) { return o.oldPath == folder + name; }),
                          1)
                    << c.what << ": " << name.toStdString();
            for (const QString &name : c.companionAmbiguous)
                EXPECT_NE(std::find_if(outcomes.begin(), outcomes.end(), [&](const RenameOutcome &o) {
                              return o.oldPath == folder + name && RenameReasonText(o) == "Begleitdatei passt zu Fotos verschiedener Zeiten";
                          }),
                          outcomes.end())
                    << c.what << ": " << name.toStdString();
            EXPECT_TRUE(SameFilesRenamed(before, FolderContents(folder))) << c.what;
            EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name), c.after) << c.what;
        }
    }
};

// Files of one name with times of their own are one shot only where their
// times agree; files without one follow the file whose name they carry, or
// the RAW's shot where the stills disagree.
TEST_F(ShotCasesTest, PartnersWithDifferentTimesAreNamedEachByItsOwn)
{
    const QByteArray y2019 = "2019:12:24 18:00:00", y2023 = "2023:07:14 09:00:00";
    const QList<Shot> twoCameras = {{"IMG_0001.CR2", y2023}, {"IMG_0001.JPG", y2019}, {"IMG_0001.xmp", "-"}};
    const QString heic = "2021-04-11 - 15-47-53.heic";
    run({
        {"two cameras, one counter: the JPEG alone", twoCameras, {"IMG_0001.JPG"},
         {"2019-12-24 - 18-00-00.jpg", "IMG_0001.CR2", "IMG_0001.xmp"}},
        {"two cameras: the bare .xmp follows the RAW", twoCameras, {"IMG_0001.JPG", "IMG_0001.CR2"},
         {"2019-12-24 - 18-00-00.jpg", "2023-07-14 - 09-00-00.cr2", "2023-07-14 - 09-00-00.xmp"}},
        {"stills without a RAW disagree: NAME.EXT.xmp follows NAME.EXT, the bare one stays",
         {{"IMG_2.JPG", y2019}, {"IMG_2.png", y2023}, {"IMG_2.JPG.xmp", "-"}, {"IMG_2.xmp", "-"}},
         {"IMG_2.JPG", "IMG_2.png"},
         {"2019-12-24 - 18-00-00.jpg", "2019-12-24 - 18-00-00.jpg.xmp", "2023-07-14 - 09-00-00.png", "IMG_2.xmp"},
         {"IMG_2.xmp"}},
        {"two seconds apart, and a still without EXIF that follows",
         {{"IMG_3.JPG", "2021:06:01 10:00:00"}, {"IMG_3.CR2", "2021:06:01 10:00:02"}, {"IMG_3.tif", "-"},
          {"IMG_3.CR2.xmp", "-"}},
         {"IMG_3.tif"},
         {"2021-06-01 - 10-00-02.cr2", "2021-06-01 - 10-00-02.cr2.xmp", "2021-06-01 - 10-00-02.jpg",
          "2021-06-01 - 10-00-02.tif"}},
        {"a taken companion name keeps the shot whole",
         {{"IMG_4.jpg", "2021:06:01 12:00:00"}, {"IMG_4.xmp", "-"}, {"2021-06-01 - 12-00-00.xmp", "-"}}, {"IMG_4.jpg"},
         {"2021-06-01 - 12-00-00.xmp", "IMG_4.jpg", "IMG_4.xmp"}},
        {"a live photo: the video a second later",
         {{"IMG_5195.HEIC", "copy:../formats/IMG_5195.HEIC"}, {"IMG_5195.MOV", "mov:2021-04-11T15:47:54-0500"}},
         {"IMG_5195.HEIC"}, {heic, "2021-04-11 - 15-47-53.mov"}},
        {"a video of its own time",
         {{"IMG_5195.HEIC", "copy:../formats/IMG_5195.HEIC"}, {"IMG_5195.MOV", "mov:2021-04-11T16:30:00-0500"}},
         {"IMG_5195.HEIC", "IMG_5195.MOV"}, {heic, "2021-04-11 - 16-30-00.mov"}},
    });
}

// A companion belongs to the photo whose name it matches exactly; letter
// case is folded only where that leaves no doubt. Every file asked for is
// reported once.
TEST_F(ShotCasesTest, NamesThatDifferInLetterCaseKeepTheirOwnFiles)
{
    const QList<Shot> variants = {{"IMG_1.JPG", "2021:01:01 00:00:00"}, {"img_1.jpg", "2022:01:01 00:00:00"},
                                  {"img_1.xmp", "-"}};
    const QStringList both = {"IMG_1.JPG", "img_1.jpg"};
    run({
        {"two photos and the lower-case one's .xmp", variants, both,
         {"2021-01-01 - 00-00-00.jpg", "2022-01-01 - 00-00-00.jpg", "2022-01-01 - 00-00-00.xmp"}},
        {"with a RAW of the first", variants + QList<Shot>{{"IMG_1.CR2", "2021:01:01 00:00:00"}}, both + QStringList{"IMG_1.CR2"},
         {"2021-01-01 - 00-00-00.cr2", "2021-01-01 - 00-00-00.jpg", "2022-01-01 - 00-00-00.jpg",
          "2022-01-01 - 00-00-00.xmp"}},
        {"one spelling: folded", {{"IMG_1.JPG", "2021:01:01 00:00:00"}, {"Img_1.xmp", "-"}}, {"IMG_1.JPG"},
         {"2021-01-01 - 00-00-00.jpg", "2021-01-01 - 00-00-00.xmp"}},
        {"two spellings: the fold is no answer", QList<Shot>{variants[0], variants[1], {"Img_1.xmp", "-"}}, both,
         {"2021-01-01 - 00-00-00.jpg", "2022-01-01 - 00-00-00.jpg", "Img_1.xmp"}, {"Img_1.xmp"}},
    });
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
