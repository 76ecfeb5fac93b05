#include "ExifBuilder.h"
#include "metadata/clsEXIF.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using B = ExifBuilder;

class ReaderTest : public ::testing::Test
{
protected:
    QString write(const QByteArray &bytes) { return WriteFile(m_dir.path(), QStringLiteral("f%1.jpg").arg(m_files++), bytes); }

    QStringList names(const clsEXIF &reader)
    {
        QStringList list;
        for (size_t i = 1; i < reader.Tags().size(); ++i)
            list << reader.Tags()[i].name;
        return list;
    }

    QTemporaryDir m_dir;
    int m_files = 0;
};

B sample(bool little)
{
    B b(little);
    b.ascii(B::Ifd0, 271, "CAM").ascii(B::Ifd0, 272, "Model One");
    b.rationals(B::Exif, 33437, {{28, 10}}).ascii(B::Exif, 36867, "2006:07:15 14:23:05");
    return b;
}

TEST(TagNameTest, KnownIdsAndFallback)
{
    clsEXIF reader;
    EXPECT_EQ(reader.GetTagName(36867), u"DateTimeOriginal");
    EXPECT_EQ(reader.GetTagName(34665), u"ExifOffset");
    EXPECT_EQ(reader.GetTagName(40965), u"ExifInteroperabilityOffset");
    EXPECT_EQ(reader.GetTagName(34855), u"ISOSpeedRatings");
    EXPECT_EQ(reader.GetTagName(531), u"YCbCrPositioning");
    EXPECT_EQ(reader.GetTagName(41730), u"CFAPattern");
    EXPECT_EQ(reader.GetTagName(41989), u"Tag #41989");
    EXPECT_EQ(reader.GetTagName(0), u"Tag #0");
    EXPECT_EQ(reader.GetTagName(34853), u"Tag #34853");
}

TEST_F(ReaderTest, BothByteOrdersGiveTheSameListInFileOrder)
{
    clsEXIF reader;
    reader.setImageFile(write(sample(true).jpeg()));
    ASSERT_EQ(reader.ReadStatus(), 0);
    EXPECT_TRUE(reader.IntelByteAlignment());
    const QString intel = reader.ListInfo();
    EXPECT_EQ(names(reader), (QStringList{"Make", "Model", "ExifOffset", "FNumber", "DateTimeOriginal"}));

    reader.setImageFile(write(sample(false).jpeg()));
    ASSERT_EQ(reader.ReadStatus(), 0);
    EXPECT_FALSE(reader.IntelByteAlignment());
    EXPECT_EQ(reader.ListInfo(), intel);
}

TEST_F(ReaderTest, AnyOtherByteOrderMarkReadsBigEndian)
{
    QByteArray tiff = sample(false).tiff();
    tiff[0] = 'X';
    tiff[1] = 'Y';
    clsEXIF reader;
    reader.setImageFile(write(QByteArray("Exif\0\0", 6) + tiff));
    ASSERT_EQ(reader.ReadStatus(), 0);
    EXPECT_FALSE(reader.IntelByteAlignment());
    EXPECT_TRUE(reader.ListInfo().contains(u"Model: Model One\r\n"));
}

TEST_F(ReaderTest, ListInfoLinesEndInCrLf)
{
    clsEXIF reader;
    reader.setImageFile(write(B(true).ascii(B::Ifd0, 272, "X").jpeg()));
    EXPECT_EQ(reader.ListInfo(), u"Model: X\r\n");
    reader.setImageFile(write(B(true).jpeg()));
    EXPECT_EQ(reader.ReadStatus(), 0);
    EXPECT_EQ(reader.ListInfo(), u"");
}

TEST_F(ReaderTest, MissingEmptyAndExiflessFiles)
{
    clsEXIF reader;
    reader.setImageFile(m_dir.path() + "/nothing.jpg");
    EXPECT_EQ(reader.ReadStatus(), 2);
    EXPECT_EQ(reader.ListInfo(), u"Error.");
    EXPECT_EQ(reader.ImageFile(), m_dir.path() + "/nothing.jpg");

    reader.setImageFile(write({}));
    EXPECT_EQ(reader.ReadStatus(), 2);

    reader.setImageFile(m_dir.path());
    EXPECT_EQ(reader.ReadStatus(), 2);

    reader.setImageFile(write(QByteArray("\xFF\xD8\xFF\xD9", 4) + QByteArray(5000, 'x')));
    EXPECT_EQ(reader.ReadStatus(), 1);
    EXPECT_EQ(reader.ListInfo(), u"Keine EXIF-Daten vorhanden.");
}

TEST_F(ReaderTest, UnreadableFileIsAnErrorNotMissingExif)
{
    const QString path = write(sample(true).jpeg());
    QFile::setPermissions(path, QFileDevice::Permissions());
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running with rights to read any file";
    clsEXIF reader;
    reader.setImageFile(path);
    EXPECT_EQ(reader.ReadStatus(), 2);
    EXPECT_EQ(reader.ListInfo(), u"Error.");
}

TEST_F(ReaderTest, FailedParseKeepsThePreviousList)
{
    clsEXIF reader;
    reader.setImageFile(write(sample(true).jpeg()));
    const QString before = reader.ListInfo();
    reader.setImageFile(write(QByteArray(100, 'x')));
    EXPECT_EQ(reader.ReadStatus(), 1);
    EXPECT_EQ(reader.Tags().size(), 6u);
    reader.setImageFile(write(sample(true).jpeg()));
    EXPECT_EQ(reader.ListInfo(), before);
}

TEST_F(ReaderTest, SameFileTwiceRebuildsTheList)
{
    const QString path = write(sample(false).jpeg());
    clsEXIF reader;
    reader.setImageFile(path);
    const QString first = reader.ListInfo();
    reader.setImageFile(path);
    EXPECT_EQ(reader.ListInfo(), first);
    EXPECT_EQ(reader.Tags().size(), 6u);
}

TEST_F(ReaderTest, ExifSegmentAfterTheFirst4096BytesIsFound)
{
    clsEXIF reader;
    reader.setImageFile(write(sample(true).jpeg(30000)));
    ASSERT_EQ(reader.ReadStatus(), 0);
    EXPECT_TRUE(reader.ListInfo().contains(u"DateTimeOriginal: 2006:07:15 14:23:05\r\n"));
}

TEST_F(ReaderTest, ValuesPastTheFirst4096BytesOfTheSegmentAreRead)
{
    B b(true);
    b.ascii(B::Ifd0, 270, QByteArray(5000, 'd'));
    b.ascii(B::Exif, 36867, "2006:07:15 14:23:05");
    clsEXIF reader;
    reader.setImageFile(write(b.jpeg()));
    ASSERT_EQ(reader.ReadStatus(), 0);
    EXPECT_EQ(reader.Tags()[1].text.size(), 5000);
    EXPECT_TRUE(reader.ListInfo().contains(u"DateTimeOriginal: 2006:07:15 14:23:05\r\n"));
}

TEST_F(ReaderTest, ExifMarkInAFileThatIsNoJpeg)
{
    clsEXIF reader;
    reader.setImageFile(write(QByteArray(100, 'z') + "Exif" + QByteArray(2, '\0') + sample(false).tiff()));
    ASSERT_EQ(reader.ReadStatus(), 0);
    EXPECT_TRUE(reader.ListInfo().contains(u"Model: Model One\r\n"));

    reader.setImageFile(write(QByteArray(4093, 'z') + QByteArray("Exif\0\0", 6) + sample(false).tiff()));
    EXPECT_EQ(reader.ReadStatus(), 1);
}

TEST_F(ReaderTest, JpegWithoutExifSegmentFallsBackToTheHeadSearch)
{
    const QByteArray app2 = QByteArray("\xFF\xE2\x00\x40", 4) + "Exif" + QByteArray(2, '\0') + sample(true).tiff();
    QByteArray file = QByteArray("\xFF\xD8", 2) + app2;
    file[5] = char(app2.size() - 2); // segment length fits in one byte here
    file[4] = 0;
    clsEXIF reader;
    reader.setImageFile(write(file + QByteArray("\xFF\xDA\x00\x02\xFF\xD9", 6)));
    ASSERT_EQ(reader.ReadStatus(), 0);
    EXPECT_TRUE(reader.ListInfo().contains(u"Make: CAM\r\n"));
}

TEST_F(ReaderTest, TruncatedValueReadsMissingBytesAsZeroAndCutsText)
{
    B b(true);
    b.ascii(B::Ifd0, 270, "0123456789");
    QByteArray tiff = b.tiff();
    tiff.chop(5); // the text's last 5 bytes
    clsEXIF reader;
    reader.setImageFile(write(QByteArray("Exif\0\0", 6) + tiff));
    ASSERT_EQ(reader.ReadStatus(), 0);
    EXPECT_EQ(reader.Tags()[1].text, u"012345");
}

TEST_F(ReaderTest, ValueBytesPastTheEndOfTheSegmentCountAsMissing)
{
    B b(true);
    b.shorts(B::Ifd0, 274, {3});
    QByteArray tiff = b.tiff();
    // The entry's value field lies at 18..21; drop the file's end so that
    // only the low byte of the value is left.
    tiff.truncate(19);
    QByteArray jpeg = QByteArray("\xFF\xD8\xFF\xE1\x00", 5) + char(tiff.size() + 8) + QByteArray("Exif\0\0", 6) + tiff;
    jpeg += QByteArray("\xFF\xDA\x00\x02", 4) + QByteArray(10, '\x07');
    clsEXIF reader;
    reader.setImageFile(write(jpeg));
    ASSERT_EQ(reader.ReadStatus(), 0);
    EXPECT_EQ(reader.Tags()[1].text, u"3");
}

TEST_F(ReaderTest, EntryCountsZeroAndHuge)
{
    B zero(true);
    clsEXIF reader;
    reader.setImageFile(write(zero.jpeg()));
    EXPECT_EQ(reader.ReadStatus(), 0);
    EXPECT_EQ(reader.Tags().size(), 1u);

    // 65535 entries claimed, 3 present: the walk stops at the end of the data.
    QByteArray tiff = sample(true).tiff();
    tiff[8] = '\xFF';
    tiff[9] = '\xFF';
    reader.setImageFile(write(QByteArray("Exif\0\0", 6) + tiff));
    ASSERT_EQ(reader.ReadStatus(), 0);
    // IFD0's entries start 16 bytes into the data and are read up to its
    // end; then the Exif directory's 2 entries.
    const auto entries = (6 + tiff.size() - 16 + 11) / 12;
    EXPECT_EQ(reader.Tags().size(), size_t(1 + entries + 2));
    EXPECT_EQ(reader.Tags()[1].name, u"Make");
}

TEST_F(ReaderTest, HugeEntryCountStopsAtTheEndOfTheSegment)
{
    // Big-endian IFD0 claiming 65535 entries in a segment of 65016 bytes:
    // only the 5417 entries that start inside it are read.
    QByteArray tiff = QByteArray("MM\x00\x2A\x00\x00\x00\x08\xFF\xFF", 10);
    tiff += QByteArray(65000, '\0');
    QByteArray file = QByteArray("\xFF\xD8\xFF\xE1\xFF\xFF", 6) + QByteArray("Exif\0\0", 6) + tiff;
    clsEXIF reader;
    reader.setImageFile(write(file));
    ASSERT_EQ(reader.ReadStatus(), 0);
    EXPECT_EQ(reader.Tags().size(), 5418u);
    EXPECT_EQ(reader.Tags()[5417].name, u"Tag #0");
}

TEST_F(ReaderTest, DirectoriesOutsideTheDataAddNothing)
{
    B b(true);
    QByteArray tiff = b.tiff();
    tiff.replace(4, 4, b.u32(0x7FFFFFF0));
    clsEXIF reader;
    reader.setImageFile(write(QByteArray("Exif\0\0", 6) + tiff));
    EXPECT_EQ(reader.ReadStatus(), 0);
    EXPECT_EQ(reader.Tags().size(), 1u);

    tiff.replace(4, 4, b.u32(0x80000000u));
    reader.setImageFile(write(QByteArray("Exif\0\0", 6) + tiff));
    EXPECT_EQ(reader.ReadStatus(), 2);
}

TEST_F(ReaderTest, NoExifOffsetMeansNoSecondWalk)
{
    B b(false);
    b.ascii(B::Ifd0, 272, "M").ascii(B::Exif, 36867, "2006:07:15 14:23:05").withoutExifOffset();
    clsEXIF reader;
    reader.setImageFile(write(b.jpeg()));
    ASSERT_EQ(reader.ReadStatus(), 0);
    EXPECT_EQ(names(reader), QStringList{"Model"});
}

TEST_F(ReaderTest, ExifOffsetOfAnyTypeIsTakenFromItsText)
{
    B b(true);
    b.shorts(B::Ifd0, 34665, {0}); // patched below to point at the Exif directory
    b.ascii(B::Exif, 36867, "2006:07:15 14:23:05").withoutExifOffset();
    QByteArray tiff = b.tiff();
    tiff.replace(18, 2, b.u16(26)); // IFD0: 8 + 2 + 12 + 4 = 26
    clsEXIF reader;
    reader.setImageFile(write(QByteArray("Exif\0\0", 6) + tiff));
    ASSERT_EQ(reader.ReadStatus(), 0);
    EXPECT_EQ(names(reader), (QStringList{"ExifOffset", "DateTimeOriginal"}));
}

TEST_F(ReaderTest, MetaInfoNumberTextAndErrors)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    clsEXIF reader;
    reader.setImageFile(write(sample(true).jpeg()));
    QString text;
    auto result = reader.MetaInfo(33437, text);
    ASSERT_TRUE(std::holds_alternative<int32_t>(result));
    EXPECT_EQ(std::get<int32_t>(result), 3);
    EXPECT_EQ(text, u"2.8");

    result = reader.MetaInfo(37510, text);
    EXPECT_EQ(std::get<int32_t>(result), 0);
    EXPECT_EQ(text, u"Tag 37510 nicht gefunden.");

    reader.setImageFile(write(QByteArray(10, 'a')));
    text = "unchanged";
    result = reader.MetaInfo(33437, text);
    ASSERT_TRUE(std::holds_alternative<ExifError>(result));
    EXPECT_EQ(std::get<ExifError>(result).number, 10);
    EXPECT_EQ(std::get<ExifError>(result).source, u"MetaInfo");
    EXPECT_EQ(std::get<ExifError>(result).description, u"Keine EXIF-Daten vorhanden.");
    EXPECT_EQ(text, u"unchanged");

    reader.setImageFile(m_dir.path() + "/none");
    result = reader.MetaInfo(33437, text);
    ASSERT_TRUE(std::holds_alternative<ExifError>(result));
    EXPECT_EQ(std::get<ExifError>(result).number, 11);
    EXPECT_EQ(std::get<ExifError>(result).description, u"Error.");
}

}

// The fuzzer reads files from memory; both roads must give the same reading.
TEST_F(ReaderTest, FileContentInMemoryReadsAsTheFile)
{
    B big(true);
    big.ascii(B::Ifd0, 270, QByteArray(5000, 'd')).ascii(B::Exif, 36867, "2006:07:15 14:23:05");
    QByteArray huge = sample(false).tiff();
    huge[8] = '\xFF';
    huge[9] = '\xFF';
    const std::vector<QByteArray> files{
        sample(true).jpeg(),
        sample(false).jpeg(30000),
        big.jpeg(),
        QByteArray(100, 'z') + "Exif" + QByteArray(2, '\0') + sample(false).tiff(),
        QByteArray(4093, 'z') + QByteArray("Exif\0\0", 6) + sample(true).tiff(),
        QByteArray("Exif\0\0", 6) + huge,
        QByteArray("\xFF\xD8\xFF\xE1\x00\x01", 6) + QByteArray("Exif\0\0", 6) + sample(true).tiff(),
        QByteArray("\xFF\xD8\xFF\xD9", 4) + QByteArray(5000, 'x'),
        QByteArray("\xFF\xD8", 2),
        {},
    };
    for (size_t n = 0; n < files.size(); ++n) {
        const QString path = write(files[n]);
        clsEXIF fromFile;
        fromFile.setImageFile(path);
        clsEXIF fromMemory;
        fromMemory.setImageBytes(files[n]);
        EXPECT_EQ(fromMemory.ReadStatus(), fromFile.ReadStatus()) << n;
        EXPECT_EQ(fromMemory.IntelByteAlignment(), fromFile.IntelByteAlignment()) << n;
        EXPECT_EQ(fromMemory.ListInfo(), fromFile.ListInfo()) << n;
        EXPECT_EQ(clsEXIF::ExifTimeOfBytes(files[n]), clsEXIF::ExifTimeOf(path)) << n;
    }
}

TEST_F(ReaderTest, ContentInMemoryHasNoFileName)
{
    clsEXIF reader;
    reader.setImageFile(write(sample(true).jpeg()));
    reader.setImageBytes(sample(false).jpeg());
    EXPECT_EQ(reader.ImageFile(), u"");
    EXPECT_FALSE(reader.IntelByteAlignment());
    EXPECT_TRUE(reader.ListInfo().contains(u"Model: Model One\r\n"));
}
