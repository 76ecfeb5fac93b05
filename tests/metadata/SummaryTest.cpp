#include "tests/support/ExifBuilder.h"
#include "metadata/ExifReader.h"
#include "tests/support/CaptureTimePrinter.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

using B = ExifBuilder;

// The camera's own FNumber and ExposureTime win over the APEX values, which
// serve only without them; a file without EXIF has no summary.
TEST(SummaryTest, TakesTheValuesTheCameraRecorded)
{
    QTemporaryDir dir;
    ExifReader reader;
    const auto read = [&](bool exact, bool apex) -> const ExifReader & {
        B b(true);
        b.ascii(B::Ifd0, 271, "MAKER").ascii(B::Ifd0, 272, "CAM1").shorts(B::Ifd0, 274, {6});
        b.shorts(B::Exif, 34855, {200}).ascii(B::Exif, 36867, "2006:07:15 14:23:05");
        if (exact)
            b.rationals(B::Exif, 33434, {{1, 250}}).rationals(B::Exif, 33437, {{28, 10}});
        if (apex)
            b.sRational(B::Exif, 37377, 797, 100).rationals(B::Exif, 37378, {{297, 100}});
        EXPECT_TRUE(WriteBytes(dir.filePath("f.jpg"), b.jpeg()));
        reader.setImageFile(dir.filePath("f.jpg"));
        return reader;
    };
    const ExifSummary summary = read(true, true).Summary();
    EXPECT_EQ(summary.make, u"MAKER");
    EXPECT_EQ(summary.camera, u"CAM1");
    EXPECT_EQ(summary.orientation, 6);
    EXPECT_EQ(summary.fNumber, 2.8);
    EXPECT_EQ(summary.exposureSeconds, 1.0 / 250);
    EXPECT_EQ(summary.iso, 200);
    EXPECT_EQ(summary.captureTime, CaptureTime::FromExifText(u"2006:07:15 14:23:05"));
    EXPECT_EQ(reader.ExifTime(), summary.captureTime);
    EXPECT_NEAR(*read(false, true).Summary().fNumber, 2.8, 0.01);
    EXPECT_NEAR(1 / *reader.Summary().exposureSeconds, 251, 0.5);

    EXPECT_TRUE(WriteBytes(dir.filePath("n.jpg"), QByteArray(50, 'n')));
    reader.setImageFile(dir.filePath("n.jpg"));
    const ExifSummary none = reader.Summary();
    EXPECT_FALSE(none.make || none.camera || none.fNumber || none.exposureSeconds || none.iso || none.orientation
                 || none.captureTime);
    EXPECT_FALSE(reader.ExifTime());
}

TEST(SummaryTest, ExifTimeOfMatchesTheFullParseOnOddFiles)
{
    const std::vector<QByteArray> files{
        // A second DateTimeOriginal in the Exif directory: the later one counts.
        B(true).ascii(B::Ifd0, 36867, "2001:01:01 01:01:01").ascii(B::Exif, 36867, "2002:02:02 02:02:02").jpeg(),
        B(false).rationals(B::Exif, 36867, {{3, 2}}).jpeg(), B(false).ascii(B::Ifd0, 36867, "2001:01:01 01:01:01").jpeg(),
        B(false).ascii(B::Exif, 36868, "2001:01:01 01:01:01").jpeg(),
        B(true).ascii(B::Exif, 36867, "x").withoutExifOffset().jpeg(), QByteArray("no exif")};
    QTemporaryDir dir;
    for (size_t n = 0; n < files.size(); ++n) {
        const QString path = dir.filePath(QString::number(n));
        ASSERT_TRUE(WriteBytes(path, files[n]));
        ExifReader fresh;
        fresh.setImageFile(path);
        EXPECT_EQ(ExifReader::ExifTimeOf(path), fresh.ExifTime()) << n;
    }
    EXPECT_EQ(ExifReader::ExifTimeOf(dir.filePath("0")), CaptureTime::FromExifText(u"2002:02:02 02:02:02"));
    EXPECT_FALSE(ExifReader::ExifTimeOf(dir.path() + "/missing"));
}

}
