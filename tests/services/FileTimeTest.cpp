#include "services/FileTime.h"

#include "Unprivileged.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// The moment as seconds since 1970, worked out without the local time zone.
qint64 Utc(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC)
        .toSecsSinceEpoch();
}

struct Times
{
    qint64 access;
    qint64 modification;
};

Times StatTimes(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {-1, -1};
    return {st.st_atim.tv_sec, st.st_mtim.tv_sec};
}

class SetFileTimesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char *tz = std::getenv("TZ");
        hadTz = tz != nullptr;
        if (hadTz)
            oldTz = tz;
        ::setenv("TZ", "Europe/Berlin", 1);
        ::tzset();
        ::chmod(QFile::encodeName(dir.path()).constData(), 0777);
        file = dir.filePath(QStringLiteral("bild.jpg"));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("foto");
        out.close();
        // A known starting point, so that "unchanged" can be checked.
        const struct timespec start[2] = {{1000000000, 0}, {1000000000, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), start, 0), 0);
    }

    void TearDown() override
    {
        if (hadTz)
            ::setenv("TZ", oldTz.c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

    FileTimeResult Set(const char *y, const char *mo, const char *d, const char *h,
                       const char *mi, const char *s)
    {
        return SetFileTimes(file, QString::fromLatin1(y), QString::fromLatin1(mo),
                            QString::fromLatin1(d), QString::fromLatin1(h),
                            QString::fromLatin1(mi), QString::fromLatin1(s));
    }

    void ExpectTimes(qint64 expected)
    {
        const Times times = StatTimes(file);
        EXPECT_EQ(times.access, expected);
        EXPECT_EQ(times.modification, expected);
    }

    QTemporaryDir dir;
    QString file;
    bool hadTz = false;
    std::string oldTz;
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
}

TEST_F(SetFileTimesTest, LeadingZerosBlanksAndFractions)
{
    EXPECT_EQ(Set("2016", "08", "09", "12", "00", "00"), FileTimeResult::Set);
    ExpectTimes(Utc(2016, 8, 9, 10, 0, 0));
    // Blanks are ignored and halves go to the even number: 8.5 is 8, 9.5 is 10.
    EXPECT_EQ(Set(" 2016", "0 8", "8.5", "9.5", "1x", ""), FileTimeResult::Set);
    ExpectTimes(Utc(2016, 8, 8, 8, 1, 0));
}

TEST_F(SetFileTimesTest, SkippedAndRepeatedHours)
{
    // 02:30 on 27 March 2016 does not exist in Berlin; it is read with the
    // winter offset, which is 03:30 summer time, whatever was set before.
    for (const char *before : {"01", "07"}) {
        EXPECT_EQ(Set("2016", before, "10", "12", "00", "00"), FileTimeResult::Set);
        EXPECT_EQ(Set("2016", "03", "27", "02", "30", "00"), FileTimeResult::Set);
        ExpectTimes(Utc(2016, 3, 27, 1, 30, 0));
    }
    // 02:30 on 30 October 2016 happens twice; the first, in summer time, counts.
    for (const char *before : {"01", "07"}) {
        EXPECT_EQ(Set("2016", before, "10", "12", "00", "00"), FileTimeResult::Set);
        EXPECT_EQ(Set("2016", "10", "30", "02", "30", "00"), FileTimeResult::Set);
        ExpectTimes(Utc(2016, 10, 30, 0, 30, 0));
    }
    EXPECT_EQ(Set("2016", "10", "30", "03", "00", "00"), FileTimeResult::Set);
    ExpectTimes(Utc(2016, 10, 30, 2, 0, 0));
}

TEST_F(SetFileTimesTest, InvalidDatesChangeNothing)
{
    const char *invalid[][6] = {
        {"0000", "00", "00", "00", "00", "00"}, {"2016", "13", "01", "00", "00", "00"},
        {"2016", "04", "31", "00", "00", "00"}, {"2015", "02", "29", "00", "00", "00"},
        {"2016", "08", "28", "24", "00", "00"}, {"2016", "08", "28", "12", "60", "00"},
        {"2016", "08", "28", "12", "00", "60"}, {"2016", "08", "28", "12", "00", "99999"},
        {"2016", "-1", "28", "12", "00", "00"}, {"", "", "", "", "", ""},
        {"    ", "  ", "  ", "  ", "  ", "  "}, {"abcd", "08", "28", "12", "00", "00"}};
    for (const auto &fields : invalid) {
        EXPECT_EQ(Set(fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]),
                  FileTimeResult::InvalidTime)
            << fields[0] << ":" << fields[1] << ":" << fields[2] << " " << fields[3] << ":"
            << fields[4] << ":" << fields[5];
        ExpectTimes(1000000000);
    }
}

TEST_F(SetFileTimesTest, MissingFileOrFolder)
{
    const QString missing = dir.filePath(QStringLiteral("fehlt.jpg"));
    EXPECT_EQ(SetFileTimes(missing, QStringLiteral("2016"), QStringLiteral("08"), QStringLiteral("28"),
                           QStringLiteral("02"), QStringLiteral("24"), QStringLiteral("00")),
              FileTimeResult::NoFile);
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(SetFileTimes(dir.path(), QStringLiteral("2016"), QStringLiteral("08"), QStringLiteral("28"),
                           QStringLiteral("02"), QStringLiteral("24"), QStringLiteral("00")),
              FileTimeResult::NoFile);
}

TEST_F(SetFileTimesTest, RefusedBySystem)
{
    // Another user's file can be read but its times cannot be set.
    ::chmod(QFile::encodeName(file).constData(), 0644);
    EXPECT_TRUE(RunUnprivileged([&] {
        return Set("2016", "08", "28", "02", "24", "00") == FileTimeResult::Failed;
    }));
    ExpectTimes(1000000000);
}
