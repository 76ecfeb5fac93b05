#include "ExifBuilder.h"
#include "metadata/ExifSummaryView.h"
#include "metadata/ExifTimes.h"
#include "metadata/clsEXIF.h"
#include "tests/support/TestFiles.h"

#include <QLocale>
#include <QMap>
#include <gtest/gtest.h>

namespace {

using B = ExifBuilder;

class FakeWindow : public ExifSummaryView
{
public:
    void setLabelCaption(const QString &name, int index, const QString &caption) override
    {
        labels[name + QString::number(index)] = caption;
    }
    int freezeValue() const override { return freeze; }

    QMap<QString, QString> labels;
    int freeze = 0;
};

class SummaryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        FrozenExifTime.clear();
        CurrentExifTime.clear();
    }

    QString file(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QString::number(m_files++));
        EXPECT_TRUE(WriteBytes(path, bytes));
        return path;
    }

    // Reads a camera's photo, with the APEX exposure tags when asked.
    void readCamera(bool apex)
    {
        B b(true);
        b.ascii(B::Ifd0, 272, "CAM1");
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
    FakeWindow window;
};

TEST_F(SummaryTest, FillsTheLabelsOfOneSide)
{
    readCamera(false);
    reader.ListEXIF(window, 1);
    const QMap<QString, QString> expected{
        {"lblCam1", "CAM1"},
        {"lblBlende1", "Blende: f 2.8"},
        {"lblExp1", "Belichtung: 1/250s"},
        {"lblISO1", "ISO 200"},
        {"lblTimeDate1", "2006:07:15  -  14:23:05"},
        {"lblEXIFTime-1", "15.07.2006 14:23:05"},
    };
    EXPECT_EQ(window.labels, expected);
    EXPECT_EQ(FrozenExifTime, u"2006:07:15 - 14:23:05");

    // The APEX tags come later and win.
    readCamera(true);
    reader.ListEXIF(window, 0);
    EXPECT_EQ(window.labels["lblExp0"], u"Belichtung: 1/251s");
    EXPECT_EQ(window.labels["lblBlende0"], u"Blende: f 2.8");
}

TEST_F(SummaryTest, FrozenKeepsTheFrozenTimeAndListEXIF2SetsOnlyTheCurrentTime)
{
    FrozenExifTime = "1999:01:01 - 00:00:00";
    readCamera(false);
    window.freeze = 1;
    reader.ListEXIF(window, 0);
    EXPECT_EQ(FrozenExifTime, u"1999:01:01 - 00:00:00");
    EXPECT_FALSE(window.labels.contains("lblEXIFTime-1"));
    EXPECT_EQ(window.labels["lblTimeDate0"], u"2006:07:15  -  14:23:05");

    FrozenExifTime.clear();
    reader.ListEXIF2();
    EXPECT_EQ(CurrentExifTime, u"2006:07:15 - 14:23:05");
    EXPECT_TRUE(FrozenExifTime.isEmpty());
}

TEST_F(SummaryTest, NoExifDataWritesNothing)
{
    FrozenExifTime = "keep";
    CurrentExifTime = "keep";
    reader.setImageFile(file(QByteArray(50, 'n')));
    reader.ListEXIF(window, 0);
    reader.ListEXIF2();
    EXPECT_TRUE(window.labels.isEmpty());
    EXPECT_EQ(FrozenExifTime, u"keep");
    EXPECT_EQ(CurrentExifTime, u"keep");
}

TEST_F(SummaryTest, ShortAndEmptyDateTexts)
{
    reader.setImageFile(file(B(false).ascii(B::Exif, 36867, "").jpeg()));
    reader.ListEXIF(window, 0);
    reader.ListEXIF2();
    EXPECT_EQ(window.labels["lblTimeDate0"], u"  -  ");
    EXPECT_EQ(window.labels["lblEXIFTime-1"], u".. ");
    EXPECT_EQ(FrozenExifTime, u" - ");
    EXPECT_EQ(CurrentExifTime, u" - ");

    const QString path = file(B(false).ascii(B::Exif, 36867, "2006").jpeg());
    reader.setImageFile(path);
    reader.ListEXIF2();
    EXPECT_EQ(CurrentExifTime, u"2006 - 2006");
    EXPECT_EQ(clsEXIF::ExifTimeOf(path), u"2006 - 2006");
}

TEST_F(SummaryTest, ExifTimeOfMatchesListEXIF2OnOddFiles)
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
        CurrentExifTime.clear();
        fresh.ListEXIF2();
        EXPECT_EQ(clsEXIF::ExifTimeOf(path), CurrentExifTime) << m_files;
    }
    EXPECT_EQ(clsEXIF::ExifTimeOf(m_dir.path() + "/missing"), u"");
}

}
