#include "ExifBuilder.h"
#include "metadata/clsEXIF.h"
#include "tests/support/TestFiles.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

using B = ExifBuilder;

class SummaryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    QString file(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QString::number(m_files++));
        EXPECT_TRUE(WriteBytes(path, bytes));
        return path;
    }

    // Reads a camera's photo with the exact exposure tags, the APEX ones, or both.
    void readCamera(bool exact, bool apex)
    {
        B b(true);
        b.ascii(B::Ifd0, 272, "CAM1");
        if (exact)
            b.rationals(B::Exif, 33434, {{1, 250}}).rationals(B::Exif, 33437, {{28, 10}});
        b.shorts(B::Exif, 34855, {200});
        b.ascii(B::Exif, 36867, "2006:07:15 14:23:05");
        if (apex)
            b.sRational(B::Exif, 37377, 797, 100).rationals(B::Exif, 37378, {{297, 100}});
        reader.setImageFile(file(b.jpeg()));
    }

    QTemporaryDir m_dir;
    int m_files = 0;
    clsEXIF reader;
};

TEST_F(SummaryTest, TakesTheValuesTheCameraRecorded)
{
    readCamera(true, false);
    ExifSummary summary = reader.Summary();
    EXPECT_EQ(summary.camera, u"CAM1");
    EXPECT_EQ(summary.fNumber, 2.8);
    EXPECT_EQ(summary.exposureSeconds, 1.0 / 250);
    EXPECT_EQ(summary.iso, u"200");
    EXPECT_EQ(summary.captureTime, u"2006:07:15 14:23:05");
    EXPECT_EQ(reader.ExifTime(), u"2006:07:15 - 14:23:05");

    // FNumber and ExposureTime win over the later APEX values...
    readCamera(true, true);
    EXPECT_EQ(reader.Summary().fNumber, 2.8);
    EXPECT_EQ(reader.Summary().exposureSeconds, 1.0 / 250);
    // ...which serve only without them.
    readCamera(false, true);
    EXPECT_NEAR(*reader.Summary().fNumber, 2.8, 0.01);
    EXPECT_NEAR(1 / *reader.Summary().exposureSeconds, 251, 0.5);

    reader.setImageFile(file(QByteArray(50, 'n')));
    summary = reader.Summary();
    EXPECT_FALSE(summary.camera || summary.fNumber || summary.exposureSeconds || summary.iso
                 || summary.captureTime);
    EXPECT_TRUE(reader.ExifTime().isEmpty());
}

TEST_F(SummaryTest, RealPhotosShowTheirExactApertureAndExposure)
{
    struct Case { const char *photo; double fNumber; double reciprocal; };
    // ExifTool's values, to the decimal the window shows; the APEX ones would
    // give f/7.0 1/166, f/4.0, f/5.0 1/501.
    for (const Case &c : {Case{"Canon_40D.jpg", 7.1, 160}, Case{"Ricoh_Caplio_RR330.jpg", 2.9, 33},
                          Case{"Canon_PowerShot_S40.jpg", 4.9, 500}}) {
        reader.setImageFile(QStringLiteral(FOTLEX_TESTDATA "/") + c.photo);
        const ExifSummary summary = reader.Summary();
        EXPECT_NEAR(summary.fNumber.value_or(0), c.fNumber, 0.05) << c.photo;
        EXPECT_NEAR(1 / summary.exposureSeconds.value_or(1), c.reciprocal, 0.01) << c.photo;
    }
}

TEST_F(SummaryTest, ExifTimeOfMatchesTheFullParseOnOddFiles)
{
    const std::vector<QByteArray> files{
        B(true).ascii(B::Exif, 36867, "2006:07:15 14:23:05").jpeg(),
        // A second DateTimeOriginal in the Exif directory: the later one counts.
        B(true).ascii(B::Ifd0, 36867, "2001:01:01 01:01:01").ascii(B::Exif, 36867, "2002:02:02 02:02:02").jpeg(),
        B(false).rationals(B::Exif, 36867, {{3, 2}}).jpeg(),
        B(false).ascii(B::Ifd0, 36867, "2001:01:01 01:01:01").jpeg(),
        B(false).ascii(B::Exif, 36868, "2001:01:01 01:01:01").jpeg(),
        B(true).ascii(B::Exif, 36867, "x").withoutExifOffset().jpeg(),
        QByteArray("no exif"),
    };
    for (const QByteArray &bytes : files) {
        const QString path = file(bytes);
        clsEXIF fresh;
        fresh.setImageFile(path);
        EXPECT_EQ(clsEXIF::ExifTimeOf(path), fresh.ExifTime()) << m_files;
    }
    EXPECT_EQ(clsEXIF::ExifTimeOf(m_dir.path() + "/missing"), u"");
}

}
