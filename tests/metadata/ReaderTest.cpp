#include "tests/support/ExifBuilder.h"
#include "metadata/ExifReader.h"
#include "tests/support/CaptureTimePrinter.h"
#include "tests/support/TestFiles.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

using B = ExifBuilder;

class ReaderTest : public ::testing::Test
{
protected:
    QString write(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("f%1.jpg").arg(m_files++));
        EXPECT_TRUE(WriteBytes(path, bytes));
        return path;
    }

    // Reads the bytes as a file with the fixture's reader.
    ExifReader &read(const QByteArray &bytes)
    {
        reader.setImageFile(write(bytes));
        return reader;
    }

    QStringList names() const
    {
        QStringList list;
        for (size_t i = 1; i < reader.Tags().size(); ++i)
            list << reader.Tags()[i].name;
        return list;
    }

    QTemporaryDir m_dir;
    int m_files = 0;
    ExifReader reader;
};

B sample(bool little)
{
    B b(little);
    b.ascii(B::Ifd0, 271, "CAM").ascii(B::Ifd0, 272, "Model One");
    b.rationals(B::Exif, 33437, {{28, 10}}).ascii(B::Exif, 36867, "2006:07:15 14:23:05");
    return b;
}

// IFD0 of sample(), claiming 65535 entries.
QByteArray hugeCount(bool little)
{
    QByteArray tiff = sample(little).tiff();
    tiff[8] = tiff[9] = '\xFF';
    return tiff;
}

const auto Date = u"DateTimeOriginal: 2006:07:15 14:23:05\r\n";

TEST_F(ReaderTest, MissingEmptyAndExiflessFilesKeepThePreviousList)
{
    const QString path = write(sample(false).jpeg());
    reader.setImageFile(path);
    const QString before = reader.ListInfo();
    // The same file twice rebuilds the list rather than adding to it.
    reader.setImageFile(path);
    EXPECT_EQ(reader.ListInfo(), before);

    EXPECT_EQ(read(QByteArray(100, 'x')).readStatus(), ExifReadStatus::NoExif);
    EXPECT_EQ(reader.Tags().size(), 6u);
    EXPECT_EQ(read(QByteArray("\xFF\xD8\xFF\xD9", 4) + QByteArray(5000, 'x')).readStatus(), ExifReadStatus::NoExif);
    EXPECT_EQ(reader.ListInfo(), u"Keine EXIF-Daten vorhanden.");

    reader.setImageFile(m_dir.path() + "/nothing.jpg");
    EXPECT_EQ(reader.readStatus(), ExifReadStatus::Unreadable);
    EXPECT_EQ(reader.ListInfo(), u"Error.");
    EXPECT_EQ(reader.ImageFile(), m_dir.path() + "/nothing.jpg");
    EXPECT_EQ(read({}).readStatus(), ExifReadStatus::Unreadable);
    reader.setImageFile(m_dir.path());
    EXPECT_EQ(reader.readStatus(), ExifReadStatus::Unreadable);

    reader.setImageFile(path);
    EXPECT_EQ(reader.ListInfo(), before);
    EXPECT_EQ(reader.Tags().size(), 6u);
}

TEST_F(ReaderTest, WhereTheExifDataIsFound)
{
    ASSERT_EQ(read(sample(true).jpeg(30000)).readStatus(), ExifReadStatus::Present);
    EXPECT_TRUE(reader.ListInfo().contains(Date));

    // Values past the first 4096 bytes of the segment are read.
    B big(true);
    big.ascii(B::Ifd0, 270, QByteArray(5000, 'd')).ascii(B::Exif, 36867, "2006:07:15 14:23:05");
    ASSERT_EQ(read(big.jpeg()).readStatus(), ExifReadStatus::Present);
    EXPECT_EQ(reader.Tags()[1].text.size(), 5000);
    EXPECT_TRUE(reader.ListInfo().contains(Date));

    // A file that is no JPEG is searched in its first 4096 bytes.
    ASSERT_EQ(read(QByteArray(100, 'z') + ExifMark(sample(false).tiff())).readStatus(), ExifReadStatus::Present);
    EXPECT_TRUE(reader.ListInfo().contains(u"Model: Model One\r\n"));
    EXPECT_EQ(read(QByteArray(4093, 'z') + ExifMark(sample(false).tiff())).readStatus(), ExifReadStatus::NoExif);

    // So is a JPEG without an APP1 EXIF segment; where there is one, an
    // "Exif" mark in another segment before it is no EXIF data.
    const QByteArray app2 = QByteArray("\xFF\xE2\x00", 3) + char(6 + 2 + sample(true).tiff().size())
                          + ExifMark(sample(true).tiff());
    ASSERT_EQ(read(QByteArray("\xFF\xD8", 2) + app2 + QByteArray("\xFF\xDA\x00\x02\xFF\xD9", 6)).readStatus(), ExifReadStatus::Present);
    EXPECT_TRUE(reader.ListInfo().contains(u"Make: CAM\r\n"));
    const QByteArray app1 = B(true).ascii(B::Ifd0, 271, "APP1").jpeg().mid(2);
    EXPECT_TRUE(read(QByteArray("\xFF\xD8", 2) + app2 + app1).ListInfo().startsWith(u"Make: APP1\r\n"));
}

TEST_F(ReaderTest, BytesPastTheEndOfTheDataCountAsMissing)
{
    QByteArray tiff = B(true).ascii(B::Ifd0, 270, "0123456789").tiff();
    tiff.chop(5); // the text's last 5 bytes
    ASSERT_EQ(read(ExifMark(tiff)).readStatus(), ExifReadStatus::Present);
    EXPECT_EQ(reader.Tags()[1].text, u"012345");

    // The entry's value field lies at 18..21; the segment ends after its low
    // byte, while the file goes on.
    tiff = B(true).shorts(B::Ifd0, 274, {3}).tiff().left(19);
    QByteArray jpeg = QByteArray("\xFF\xD8\xFF\xE1\x00", 5) + char(tiff.size() + 8) + ExifMark(tiff);
    ASSERT_EQ(read(jpeg + QByteArray("\xFF\xDA\x00\x02", 4) + QByteArray(10, '\x07')).readStatus(), ExifReadStatus::Present);
    EXPECT_EQ(reader.Tags()[1].text, u"3");
}

TEST_F(ReaderTest, EntryCountsAndDirectoriesOutsideTheData)
{
    EXPECT_EQ(read(B(true).jpeg()).readStatus(), ExifReadStatus::Present);
    EXPECT_EQ(reader.Tags().size(), 1u);

    // 65535 entries claimed, 3 present: IFD0's entries start 16 bytes into
    // the data and are read up to its end; then the Exif directory's 2.
    const QByteArray tiff = hugeCount(true);
    ASSERT_EQ(read(ExifMark(tiff)).readStatus(), ExifReadStatus::Present);
    EXPECT_EQ(reader.Tags().size(), size_t(1 + (6 + tiff.size() - 16 + 11) / 12 + 2));
    EXPECT_EQ(reader.Tags()[1].name, u"Make");

    // Big-endian IFD0 claiming 65535 entries in a segment of 65016 bytes:
    // only the 5417 entries that start inside it are read.
    const QByteArray full = QByteArray("MM\x00\x2A\x00\x00\x00\x08\xFF\xFF", 10) + QByteArray(65000, '\0');
    ASSERT_EQ(read(QByteArray("\xFF\xD8\xFF\xE1\xFF\xFF", 6) + ExifMark(full)).readStatus(), ExifReadStatus::Present);
    EXPECT_EQ(reader.Tags().size(), 5418u);
    EXPECT_EQ(reader.Tags()[5417].name, u"Tag #0");

    B b(true);
    EXPECT_EQ(read(ExifMark(b.tiff().replace(4, 4, b.u32(0x7FFFFFF0)))).readStatus(), ExifReadStatus::Present);
    EXPECT_EQ(reader.Tags().size(), 1u);
    EXPECT_EQ(read(ExifMark(b.tiff().replace(4, 4, b.u32(0x80000000u)))).readStatus(), ExifReadStatus::Unreadable);
}

// Whatever a block's 5000 entries claim, the list costs at most four
// characters per byte of the block, and none is a capture time.
TEST_F(ReaderTest, CostBombsStayWithinTheTextBudget)
{
    const struct { uint16_t id, type; } bombs[] = {{318, 5}, {270, 2}, {37510, 7}, {36867, 5}, {36867, 2}};
    for (const auto &bomb : bombs) {
        const QString path = write(CostBombJpeg(bomb.id, bomb.type, 65000));
        reader.setImageFile(path);
        const QString list = reader.ListInfo();
        EXPECT_LE(list.size(), 4 * 65536 + 100) << bomb.id;
        EXPECT_TRUE(list.endsWith(u" weitere Einträge\r\n")) << bomb.id;
        EXPECT_EQ(ExifReader::ExifTimeOf(path), reader.ExifTime());
        EXPECT_FALSE(reader.ExifTime()) << bomb.id;
    }
}

// The GPS directory is walked: its tags by name, and the position in
// degrees after them; tags no standard names keep their number.
TEST_F(ReaderTest, GpsDirectoryAndStandardNames)
{
    QLocale::setDefault(QLocale::c());
    B b(true);
    b.ascii(B::Ifd0, 315, "Artist").ascii(B::Ifd0, 271, "PENTAX Corporation ").shorts(B::Ifd0, 50000, {1});
    b.rationals(B::Ifd0, 318, {{313, 1000}, {329, 1000}});
    QByteArray tiff = b.entry(B::Ifd0, 34853, 4, 1, b.u32(0)).tiff();
    const auto gps = uint32_t(tiff.size());
    tiff.replace(8 + 2 + 12 * 4 + 8, 4, b.u32(gps));
    const auto rational = [&b](uint32_t n, uint32_t d) { return b.u32(n) + b.u32(d); };
    const uint32_t values = gps + 2 + 4 * 12 + 4;
    tiff += b.u16(4) + b.u16(1) + b.u16(2) + b.u32(2) + QByteArray("N\0\0\0", 4)
            + b.u16(2) + b.u16(5) + b.u32(3) + b.u32(values)
            + b.u16(3) + b.u16(2) + b.u32(2) + QByteArray("W\0\0\0", 4)
            + b.u16(4) + b.u16(5) + b.u32(3) + b.u32(values + 24) + b.u32(0)
            + rational(48, 1) + rational(8, 1) + rational(137544, 10000)
            + rational(11, 1) + rational(34, 1) + rational(340464, 10000);
    ASSERT_EQ(read(ExifMark(tiff)).readStatus(), ExifReadStatus::Present);
    EXPECT_EQ(names(), QStringList({"Artist", "Make", "Tag #50000", "WhitePoint", "GPSInfo", "GPSLatitudeRef",
                                    "GPSLatitude", "GPSLongitudeRef", "GPSLongitude", "GPS"}));
    EXPECT_TRUE(reader.ListInfo().contains(u"Make: PENTAX Corporation\r\nTag #50000: 1\r\nWhitePoint: 0.313/0.329\r\n"));
    EXPECT_TRUE(reader.ListInfo().endsWith(u"GPS: 48.137154° N, 11.576124° W\r\n"));
    EXPECT_NEAR(reader.Summary().gps->longitude, -11.576124, 1e-6);
    // A latitude off the globe is no position.
    tiff.replace(tiff.size() - 48, 4, b.u32(91));
    ASSERT_EQ(read(ExifMark(tiff)).readStatus(), ExifReadStatus::Present);
    EXPECT_FALSE(reader.Summary().gps);
    EXPECT_FALSE(reader.ListInfo().contains(u"GPS: "));
}

}
