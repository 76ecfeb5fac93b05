#include "FolderFixture.h"
#include "TestFiles.h"
#include "TestPhotos.h"

#include "rename/CarryOutPlan.h"
#include "rename/RenameJournal.h"
#include "rename/RenamePlan.h"
#include "rename/UndoBatch.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const CaptureTime Shot = CaptureTime::FromExifText(u"2024:07:14 09:31:05")->withSubSeconds("25");

NameFields Fields(const QString &stem = "IMG_0001", const QString &camera = "EOS R5", const QString &make = "Canon")
{
    return {Shot, stem, camera, make};
}

NamePattern Parsed(const QString &text)
{
    auto parsed = NamePattern::parse(text);
    EXPECT_TRUE(std::holds_alternative<NamePattern>(parsed)) << text.toStdString();
    return std::holds_alternative<NamePattern>(parsed) ? std::get<NamePattern>(parsed) : NamePattern();
}

// Every file below `folder` but the journals, by its path there.
QStringList Tree(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(folder.size());
    files.sort();
    return files;
}

} // namespace

// Each letter, folders, and the cleaning of a camera's texts.
TEST(NamePatternTest, EachLetterGivesItsValue)
{
    const struct
    {
        const char *pattern;
        NameFields fields;
        const char *folders;
        const char *stem;
    } cases[] = {
        {"%Y-%m-%d - %H-%M-%S", Fields(), "", "2024-07-14 - 09-31-05"},
        {"%Y%m%d_%H%M%S_%f", Fields(), "", "20240714_093105_25"},
        {"%n %c %k 100%%", Fields(), "", "IMG_0001 EOS R5 Canon 100%"},
        {"%Y/%Y-%m-%d/%H%M%S", Fields(), "2024/2024-07-14/", "093105"},
        {"%k/%c", Fields("x", " A/B\tC ", "  Nikon "), "Nikon/", "A_B_C"},
        {"%c %n", Fields("IMG_1", ""), "", "IMG_1"},
    };
    for (const auto &c : cases) {
        const PatternPlace place = Parsed(c.pattern).place(c.fields, {});
        EXPECT_EQ(place.problem, PatternPlace::Problem::None) << c.pattern;
        EXPECT_EQ(place.folders, c.folders) << c.pattern;
        EXPECT_EQ(place.stem, c.stem) << c.pattern;
    }
    EXPECT_EQ(std::get<NamePattern>(NamePattern::parse("%c", true)).place(Fields("x", "<i50: MP3>"), {}).stem,
              "_i50_ MP3_");
    EXPECT_TRUE(NamePattern().isDefault());
    EXPECT_EQ(NamePattern().place(Fields(), {}).stem, Shot.nameStem());
}

// What is refused before anything moves, with what it names.
TEST(NamePatternTest, RefusalsNameTheProblem)
{
    using Kind = PatternError::Kind;
    const struct
    {
        const char *pattern;
        bool windows;
        Kind kind;
        const char *detail;
    } cases[] = {
        {"", false, Kind::Empty, ""},
        {"%Y-%q", false, Kind::UnknownLetter, "%q"},
        {"%Y-%", false, Kind::UnknownLetter, "%"},
        {"/%Y", false, Kind::Absolute, ""},
        {"%Y/../%n", false, Kind::StepOut, ".."},
        {"./%n", false, Kind::StepOut, "."},
        {"%Y//%n", false, Kind::StepOut, ""},
        {"%Y/", false, Kind::StepOut, ""},
        {"%H:%M", true, Kind::RefusedChar, ":"},
        {"%n?", true, Kind::RefusedChar, "?"},
    };
    for (const auto &c : cases) {
        const auto parsed = NamePattern::parse(c.pattern, c.windows);
        ASSERT_TRUE(std::holds_alternative<PatternError>(parsed)) << c.pattern;
        EXPECT_EQ(std::get<PatternError>(parsed).kind, c.kind) << c.pattern;
        EXPECT_EQ(std::get<PatternError>(parsed).detail, c.detail) << c.pattern;
    }
    EXPECT_TRUE(std::holds_alternative<NamePattern>(NamePattern::parse("%H:%M")));
}

// A name that comes out empty or too long, for one file only.
TEST(NamePatternTest, NamesThatCannotBeAreTold)
{
    EXPECT_EQ(Parsed("%c").place(Fields("x", ""), {}).problem, PatternPlace::Problem::Empty);
    EXPECT_EQ(Parsed("%c/%n").place(Fields("x", " "), {}).problem, PatternPlace::Problem::Empty);
    EXPECT_EQ(Parsed("%c/%n").place(Fields("x", ".."), {}).problem, PatternPlace::Problem::Empty);
    EXPECT_EQ(Parsed("%n").place(Fields(QString(240, u'a')), {}).problem, PatternPlace::Problem::TooLong);
    EXPECT_EQ(Parsed("%n").place(Fields(QString(236, u'a')), {}).problem, PatternPlace::Problem::None);
}

// A file already where the pattern puts it stays: %n takes any base name
// in its place, so it never grows.
TEST(NamePatternTest, AFileInPlaceStays)
{
    const NamePattern named = Parsed("%Y/%m/%Y%m%d %n");
    EXPECT_EQ(named.depth(), 2);
    const PatternPlace once = named.place(Fields("IMG_1"), {"photos", "card"});
    EXPECT_EQ(once.folders, "2024/07/");
    EXPECT_EQ(once.stem, "20240714 IMG_1");
    const PatternPlace twice = named.place(Fields(once.stem), {"2024", "07"});
    EXPECT_EQ(twice.folders, "");
    EXPECT_EQ(twice.stem, "20240714 IMG_1");
    // A frozen time's letter follows the pattern's text, up to "z".
    EXPECT_EQ(PlanByFrozenTime("x z.jpg", "x ", ".jpg", FolderNames::of({"x z.jpg"})).kind, PlanKind::AlreadyNamed);
    EXPECT_EQ(named.place(Fields("20240714 IMG_1a"), {"2024", "07"}, true).stem, "20240714 IMG_1");
    // Another day's folder is no place of this photo.
    EXPECT_EQ(named.place(Fields(once.stem), {"2024", "08"}).folders, "2024/07/");
    const PatternPlace dated = Parsed("%Y/%Y-%m-%d - %H-%M-%S").place(Fields("2024-07-14 - 09-31-05"), {"2024"});
    EXPECT_EQ(dated.folders, "");
}

using DateFolderTest = FolderTest;

// Photos go into folders by their day with their companions; undo brings
// every file back and removes the folders the batch made once they are
// empty again, never one holding something else or one that was there.
TEST_F(DateFolderTest, FoldersAreMadeAndUndoRemovesOnlyTheEmptyOnes)
{
    WriteExifJpeg(folder + "IMG_1.JPG", QByteArray("2024:07:14 09:31:00"), "1");
    WriteFile(folder + "IMG_1.xmp", "xmp 1");
    WriteExifJpeg(folder + "IMG_2.JPG", QByteArray("2024:07:15 10:00:00"), "2");
    WriteExifJpeg(folder + "IMG_3.JPG", QByteArray("2023:01:01 00:00:00"), "3");
    ASSERT_TRUE(QDir(folder).mkpath("2023"));
    const QMap<QString, QByteArray> before = FolderContents(folder);
    RenameOptions options;
    options.pattern = Parsed("%Y/%Y-%m-%d/%Y-%m-%d - %H-%M-%S");
    for (const RenameOutcome &outcome : RunBatchRename(jobs({"IMG_1.JPG", "IMG_2.JPG", "IMG_3.JPG"}), options))
        EXPECT_EQ(outcome.status, RenameStatus::Renamed) << outcome.oldPath.toStdString();
    EXPECT_EQ(Tree(folder), QStringList({"2023", "2023/2023-01-01", "2023/2023-01-01/2023-01-01 - 00-00-00.jpg",
                                         "2024", "2024/2024-07-14", "2024/2024-07-14/2024-07-14 - 09-31-00.jpg",
                                         "2024/2024-07-14/2024-07-14 - 09-31-00.xmp", "2024/2024-07-15",
                                         "2024/2024-07-15/2024-07-15 - 10-00-00.jpg"}));

    // The same pattern again, in a day's folder, changes nothing.
    const std::vector<RenameOutcome> again =
        RunBatchRename({{folder + "2024/2024-07-14/", "2024-07-14 - 09-31-00.jpg", std::nullopt}}, options);
    ASSERT_EQ(again.size(), 2u);
    EXPECT_EQ(again[0].reason, RenameReason::AlreadyNamed);

    WriteFile(folder + "2024/2024-07-15/notes.txt", "mine");
    const std::optional<JournalInfo> batch = NewestUndoable();
    ASSERT_TRUE(batch);
    const UndoRun undo = UndoBatch(batch->number);
    EXPECT_TRUE(undo.allWell());
    EXPECT_EQ(undo.keptFolders, QStringList({folder + "2024/2024-07-15/", folder + "2024/"}));
    EXPECT_EQ(Tree(folder), QStringList({"2023", "2024", "2024/2024-07-15", "2024/2024-07-15/notes.txt",
                                         "IMG_1.JPG", "IMG_1.xmp", "IMG_2.JPG", "IMG_3.JPG"}));
    EXPECT_EQ(FolderContents(folder), before);

    // Undoing the undo makes the folders again.
    EXPECT_TRUE(UndoBatch(ListJournals().back().number).allWell());
    EXPECT_TRUE(QFile::exists(folder + "2024/2024-07-14/2024-07-14 - 09-31-00.xmp"));
}

// A name the pattern cannot give skips that file and keeps its shot.
TEST_F(DateFolderTest, AFileWithoutItsNameStays)
{
    WriteExifJpeg(folder + "IMG_1.JPG", QByteArray("2024:07:14 09:31:00"), "1");
    WriteExifJpeg(folder + "IMG_2.JPG", QByteArray("2024:07:14 09:32:00"), "2", {}, "Kamera");
    RenameOptions options;
    options.pattern = Parsed("%c/%H%M");
    const std::vector<RenameOutcome> outcomes = RunBatchRename(jobs({"IMG_1.JPG", "IMG_2.JPG"}), options);
    ASSERT_EQ(outcomes.size(), 2u);
    EXPECT_EQ(outcomes[0].reason, RenameReason::NameEmpty);
    EXPECT_EQ(outcomes[1].newPath, folder + "Kamera/0932.jpg");
    EXPECT_TRUE(QFile::exists(folder + "IMG_1.JPG"));

    // A frozen time still reads the camera the pattern names.
    WriteExifJpeg(folder + "IMG_3.JPG", QByteArray("2024:07:14 09:33:00"), "3", {}, "Kamera");
    options.frozenTime = CaptureTime::FromExifText(u"2020:01:01 12:00:00");
    options.pattern = Parsed("%c %Y");
    const std::vector<RenameOutcome> frozen = RunBatchRename(jobs({"IMG_3.JPG"}), options);
    ASSERT_EQ(frozen.size(), 1u);
    EXPECT_EQ(frozen[0].newPath, folder + "Kamera 2020a.jpg");
}
