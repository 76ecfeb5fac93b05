#include "services/FileTime.h"

#include "Unprivileged.h"
#include "tests/support/TestFiles.h"

#include <QDateTime>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>

namespace {

// The moment as seconds since 1970, worked out without the local time zone.
qint64 Utc(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC).toSecsSinceEpoch();
}

constexpr qint64 Start = 1000000000;

class SetFileTimesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (const char *tz = std::getenv("TZ"))
            oldTz = tz;
        ::setenv("TZ", "Europe/Berlin", 1);
        ::tzset();
        ASSERT_TRUE(WriteBytes(file, "foto"));
        // A known starting point, so that "unchanged" can be checked.
        const struct timespec start[2] = {{Start, 0}, {Start, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), start, 0), 0);
    }

    void TearDown() override
    {
        if (oldTz)
            ::setenv("TZ", oldTz->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

    FileTimeResult Set(const char *y, const char *mo, const char *d, const char *h, const char *mi, const char *s,
                       const QString &path = {})
    {
        return SetFileTimes(path.isEmpty() ? file : path, QString::fromLatin1(y), QString::fromLatin1(mo),
                            QString::fromLatin1(d), QString::fromLatin1(h), QString::fromLatin1(mi),
                            QString::fromLatin1(s));
    }

    void ExpectTimes(qint64 expected)
    {
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
        EXPECT_EQ(st.st_atim.tv_sec, expected);
        EXPECT_EQ(st.st_mtim.tv_sec, expected);
    }

    OpenTemporaryDir dir;
    QString file = dir.filePath(u"bild.jpg"_qs);
    std::optional<std::string> oldTz;
};

}

TEST(ColonsToDashes, ChangesTheCallersText)
{
    const std::pair<const char *, const char *> cases[] = {
        {"2016:08:28 - 02:24:00", "2016-08-28 - 02-24-00"}, {"ohne", "ohne"}, {"", ""}, {"::", "--"}};
    for (const auto &[before, after] : cases) {
        QString text = QString::fromLatin1(before);
        EXPECT_EQ(ColonsToDashes(text), QString::fromLatin1(after));
        EXPECT_EQ(text, QString::fromLatin1(after));
    }
}

TEST_F(SetFileTimesTest, OffsetOfThePhotosOwnDate)
{
    EXPECT_EQ(Set("2016", "08", "28", "02", "24", "00"), FileTimeResult::Set);
    ExpectTimes(Utc(2016, 8, 28, 0, 24, 0));
    EXPECT_EQ(Set("2016", "01", "15", "10", "00", "30"), FileTimeResult::Set);
    ExpectTimes(Utc(2016, 1, 15, 9, 0, 30));
    EXPECT_EQ(Set("2016", "02", "29", "23", "59", "59"), FileTimeResult::Set);
    ExpectTimes(Utc(2016, 2, 29, 22, 59, 59));
    EXPECT_EQ(Set("2016", "08", "09", "12", "00", "00"), FileTimeResult::Set);
    ExpectTimes(Utc(2016, 8, 9, 10, 0, 0));
    // Blanks are ignored and halves go to the even number: 8.5 is 8, 9.5 is 10.
    EXPECT_EQ(Set(" 2016", "0 8", "8.5", "9.5", "1x", ""), FileTimeResult::Set);
    ExpectTimes(Utc(2016, 8, 8, 8, 1, 0));
}

TEST_F(SetFileTimesTest, SkippedAndRepeatedHours)
{
    // 02:30 on 27 March 2016 does not exist in Berlin; it is read with the
    // winter offset, which is 03:30 summer time. 02:30 on 30 October 2016
    // happens twice; the first, in summer time, counts. Whatever was set before.
    for (const char *before : {"01", "07"}) {
        EXPECT_EQ(Set("2016", before, "10", "12", "00", "00"), FileTimeResult::Set);
        EXPECT_EQ(Set("2016", "03", "27", "02", "30", "00"), FileTimeResult::Set);
        ExpectTimes(Utc(2016, 3, 27, 1, 30, 0));
        EXPECT_EQ(Set("2016", before, "10", "12", "00", "00"), FileTimeResult::Set);
        EXPECT_EQ(Set("2016", "10", "30", "02", "30", "00"), FileTimeResult::Set);
        ExpectTimes(Utc(2016, 10, 30, 0, 30, 0));
    }
    EXPECT_EQ(Set("2016", "10", "30", "03", "00", "00"), FileTimeResult::Set);
    ExpectTimes(Utc(2016, 10, 30, 2, 0, 0));
}

// ext4 clamps 1885 to 1901 and FAT 1885 to 1980, and both report success.
TEST_F(SetFileTimesTest, ATimeTheFileSystemCannotHoldIsReported)
{
    for (const char *year : {"1885", "2600"}) {
        const FileTimeResult result = Set(year, "06", "01", "12", "00", "00");
        const qint64 wanted = QDateTime(QDate(QString::fromLatin1(year).toInt(), 6, 1), QTime(12, 0)).toSecsSinceEpoch();
        const qint64 held = QFileInfo(file).lastModified().toSecsSinceEpoch();
        EXPECT_EQ(result == FileTimeResult::Set, held == wanted) << year;
        EXPECT_EQ(result == FileTimeResult::OutOfRange, held != wanted) << year;
    }
}

TEST_F(SetFileTimesTest, InvalidDatesMissingFilesAndRefusalsChangeNothing)
{
    const char *invalid[][6] = {
        {"0000", "00", "00", "00", "00", "00"}, {"2016", "13", "01", "00", "00", "00"},
        {"2016", "04", "31", "00", "00", "00"}, {"2015", "02", "29", "00", "00", "00"},
        {"2016", "08", "28", "24", "00", "00"}, {"2016", "08", "28", "12", "60", "00"},
        {"2016", "08", "28", "12", "00", "60"}, {"2016", "08", "28", "12", "00", "99999"},
        {"2016", "-1", "28", "12", "00", "00"}, {"", "", "", "", "", ""},
        {"    ", "  ", "  ", "  ", "  ", "  "}, {"abcd", "08", "28", "12", "00", "00"}};
    for (const auto &f : invalid) {
        EXPECT_EQ(Set(f[0], f[1], f[2], f[3], f[4], f[5]), FileTimeResult::InvalidTime)
            << f[0] << ":" << f[1] << ":" << f[2] << " " << f[3] << ":" << f[4] << ":" << f[5];
        ExpectTimes(Start);
    }

    const QString missing = dir.filePath(u"fehlt.jpg"_qs);
    EXPECT_EQ(Set("2016", "08", "28", "02", "24", "00", missing), FileTimeResult::NoFile);
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(Set("2016", "08", "28", "02", "24", "00", dir.path()), FileTimeResult::NoFile);

    // Another user's file can be read but its times cannot be set.
    SetMode(file, 0644);
    EXPECT_TRUE(RunUnprivileged([&] { return Set("2016", "08", "28", "02", "24", "00") == FileTimeResult::Failed; }));
    ExpectTimes(Start);
}
