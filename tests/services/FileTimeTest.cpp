#include "services/FileTime.h"

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

// A file stamped with a known time, in Berlin.
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

    FileTimeResult Set(const char *const (&f)[6], const QString &path = {})
    {
        return SetFileTimes(path.isEmpty() ? file : path, QString::fromLatin1(f[0]), QString::fromLatin1(f[1]),
                            QString::fromLatin1(f[2]), QString::fromLatin1(f[3]), QString::fromLatin1(f[4]),
                            QString::fromLatin1(f[5]));
    }

    qint64 Times()
    {
        struct stat st {};
        EXPECT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
        EXPECT_EQ(st.st_atim.tv_sec, st.st_mtim.tv_sec);
        return st.st_mtim.tv_sec;
    }

    QTemporaryDir dir;
    QString file = dir.filePath(u"bild.jpg"_qs);
    std::optional<std::string> oldTz;
};

}

// The offset of the photo's own date; in the hour skipped in spring the
// winter offset (02:30 is 03:30 summer time), in the hour repeated in autumn
// the first, summer time one, whatever was set before.
TEST_F(SetFileTimesTest, OffsetOfThePhotosOwnDate)
{
    const struct { const char *fields[6]; qint64 utc; } cases[] = {
        {{"2016", "08", "28", "02", "24", "00"}, Utc(2016, 8, 28, 0, 24, 0)},
        {{"2016", "01", "15", "10", "00", "30"}, Utc(2016, 1, 15, 9, 0, 30)},
        {{"2016", "02", "29", "23", "59", "59"}, Utc(2016, 2, 29, 22, 59, 59)},
        {{"2016", "01", "01", "00", "00", "00"}, Utc(2015, 12, 31, 23, 0, 0)},
        {{"2016", "03", "27", "02", "30", "00"}, Utc(2016, 3, 27, 1, 30, 0)},
        {{"2016", "07", "10", "12", "00", "00"}, Utc(2016, 7, 10, 10, 0, 0)},
        {{"2016", "10", "30", "02", "30", "00"}, Utc(2016, 10, 30, 0, 30, 0)},
        {{"2016", "10", "30", "03", "00", "00"}, Utc(2016, 10, 30, 2, 0, 0)},
        // Blanks are ignored and halves go to the even number: 8.5 is 8, 9.5 is 10.
        {{" 2016", "0 8", "8.5", "9.5", "1x", ""}, Utc(2016, 8, 8, 8, 1, 0)}};
    for (const auto &c : cases) {
        EXPECT_EQ(Set(c.fields), FileTimeResult::Set) << c.fields[0] << c.fields[1] << c.fields[2] << c.fields[3];
        EXPECT_EQ(Times(), c.utc) << c.fields[0] << c.fields[1] << c.fields[2] << c.fields[3];
    }
}

TEST_F(SetFileTimesTest, InvalidDatesAndMissingFilesChangeNothing)
{
    const char *invalid[][6] = {
        {"0000", "00", "00", "00", "00", "00"}, {"2016", "13", "01", "00", "00", "00"},
        {"2016", "04", "31", "00", "00", "00"}, {"2015", "02", "29", "00", "00", "00"},
        {"2016", "08", "28", "24", "00", "00"}, {"2016", "08", "28", "12", "60", "00"},
        {"2016", "08", "28", "12", "00", "60"}, {"2016", "-1", "28", "12", "00", "00"},
        {"2016", "08", "28", "-1", "00", "00"}, {"2016", "08", "28", "12", "-1", "00"},
        {"", "", "", "", "", ""}, {"abcd", "08", "28", "12", "00", "00"}};
    for (const auto &f : invalid) {
        EXPECT_EQ(Set(f), FileTimeResult::InvalidTime) << f[0] << ":" << f[1] << ":" << f[2] << " " << f[3];
        EXPECT_EQ(Times(), Start);
    }
    const char *const valid[6] = {"2016", "08", "28", "02", "24", "00"};
    EXPECT_EQ(Set(valid, dir.filePath(u"fehlt.jpg"_qs)), FileTimeResult::NoFile);
    EXPECT_FALSE(QFile::exists(dir.filePath(u"fehlt.jpg"_qs)));
    EXPECT_EQ(Set(valid, dir.path()), FileTimeResult::NoFile);
    // The first year is a real one, whether or not the file system holds it.
    const char *const firstYear[6] = {"0001", "01", "01", "00", "00", "00"};
    EXPECT_NE(Set(firstYear), FileTimeResult::InvalidTime);
}
