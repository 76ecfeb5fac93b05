#include "ExifBuilder.h"
#include "metadata/clsEXIF.h"

#include <QLocale>
#include <functional>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using B = ExifBuilder;

// Reads the data built in both byte orders and gives the texts by tag id;
// the two orders must agree.
class ValueTextTest : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Builds the file with `fill` in both byte orders and returns the texts.
    template<typename Fill>
    QStringList texts(Fill fill)
    {
        QStringList result[2];
        for (bool little : {true, false}) {
            B b(little);
            fill(b);
            clsEXIF reader;
            reader.setImageFile(WriteFile(m_dir.path(), QStringLiteral("v.jpg"), b.jpeg()));
            EXPECT_EQ(reader.ReadStatus(), 0);
            for (size_t i = 1; i < reader.Tags().size(); ++i) {
                if (reader.Tags()[i].id != 34665)
                    result[little] << reader.Tags()[i].text;
            }
        }
        EXPECT_EQ(result[0], result[1]);
        return result[1];
    }

    QString text(uint16_t id, uint16_t type, uint32_t count, std::function<QByteArray(const B &)> bytes)
    {
        return texts([&](B &b) { b.entry(B::Exif, id, type, count, bytes(b)); }).value(0);
    }

    QString rational(uint16_t id, uint32_t num, uint32_t den)
    {
        return texts([&](B &b) { b.rationals(B::Exif, id, {{num, den}}); }).value(0);
    }

    QString sRational(uint16_t id, int32_t num, int32_t den)
    {
        return texts([&](B &b) { b.sRational(B::Exif, id, num, den); }).value(0);
    }

    QTemporaryDir m_dir;
};

TEST_F(ValueTextTest, AsciiDropsZeroBytes)
{
    EXPECT_EQ(texts([](B &b) { b.ascii(B::Ifd0, 271, "CAM"); }).value(0), u"CAM");
    EXPECT_EQ(texts([](B &b) { b.ascii(B::Exif, 36867, "2006:07:15 14:23:05"); }).value(0), u"2006:07:15 14:23:05");
    EXPECT_EQ(text(270, 2, 7, [](const B &) { return QByteArray("ab\0cd\0e", 7); }), u"abcde");
}

TEST_F(ValueTextTest, RationalsShownAsOneNumber)
{
    EXPECT_EQ(rational(33437, 28, 10), u"2.8");
    EXPECT_EQ(rational(282, 72, 1), u"72.0");
    EXPECT_EQ(rational(37386, 2025, 100), u"20.3"); // 20.25 rounded away from zero
    EXPECT_EQ(rational(33434, 1, 250), u"250");
    EXPECT_EQ(rational(33434, 1, 2), u"2");
    EXPECT_EQ(rational(33434, 2, 1), u"1"); // 0.5, where QLocale alone would give 0
    EXPECT_EQ(rational(33434, 10, 1250), u"125");
    EXPECT_EQ(rational(37378, 297, 100), u"2.8");
    EXPECT_EQ(rational(37381, 0, 1), u"1.0");
    EXPECT_EQ(sRational(37377, 797, 100), u"251");
    EXPECT_EQ(sRational(37377, 8, 1), u"256");
    EXPECT_EQ(sRational(37380, -1, 3), u"-0.3");
    EXPECT_EQ(sRational(37380, 0, 1), u"0.0");
    EXPECT_EQ(sRational(37380, -1, 100), u"0.0"); // no "-0.0"
}

TEST_F(ValueTextTest, LocaleDecimalSeparator)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(rational(33437, 28, 10), u"2,8");
    EXPECT_EQ(sRational(37380, -1, 3), u"-0,3");
    EXPECT_EQ(rational(282, 300000, 1), u"300000,0"); // no group separator
    EXPECT_EQ(texts([](B &b) { b.rationals(B::Ifd0, 318, {{313, 1000}, {329, 1000}}); }).value(0), u"0,313/0,329");
}

TEST_F(ValueTextTest, PlainAndListRationals)
{
    EXPECT_EQ(rational(41990, 72, 1), u"72/1");
    EXPECT_EQ(rational(41990, 0, 0), u"0/0");
    EXPECT_EQ(sRational(41990, -1, 3), u"-1/3");
    EXPECT_EQ(sRational(41990, 10, -3), u"10/-3");
    EXPECT_EQ(texts([](B &b) { b.rationals(B::Ifd0, 318, {{313, 1000}, {329, 1000}}); }).value(0), u"0.313/0.329");
    EXPECT_EQ(texts([](B &b) { b.rationals(B::Ifd0, 532, {{0, 1}, {255, 1}, {128, 1}}); }).value(0),
              u"0.000/255.000/128.000");
    // The listed ids always show one number, from the first rational.
    EXPECT_EQ(texts([](B &b) { b.rationals(B::Exif, 33437, {{56, 10}, {1, 1}}); }).value(0), u"5.6");
}

TEST_F(ValueTextTest, ZeroDenominatorGivesNoMadeUpNumber)
{
    EXPECT_EQ(rational(33437, 28, 0), u"");
    EXPECT_EQ(rational(33434, 1, 0), u"");
    EXPECT_EQ(rational(33434, 0, 1), u"");
    EXPECT_EQ(rational(37378, 5, 0), u"");
    EXPECT_EQ(sRational(37377, 5, 0), u"");
    EXPECT_EQ(sRational(37380, 5, 0), u"");
    EXPECT_EQ(texts([](B &b) { b.rationals(B::Ifd0, 318, {{1, 0}, {329, 1000}, {1, 0}}); }).value(0), u"/0.329/");
}

TEST_F(ValueTextTest, IntegerTypesShowTheFirstValue)
{
    EXPECT_EQ(texts([](B &b) { b.shorts(B::Exif, 34855, {100, 100}); }).value(0), u"100");
    EXPECT_EQ(texts([](B &b) { b.shorts(B::Ifd0, 274, {6}); }).value(0), u"6");
    EXPECT_EQ(texts([](B &b) { b.longValue(B::Exif, 40962, 4000000000u); }).value(0), u"4000000000");
    EXPECT_EQ(text(1, 1, 1, [](const B &) { return QByteArray("\xC8", 1); }), u"200");
    EXPECT_EQ(text(1, 6, 1, [](const B &) { return QByteArray("\xFF", 1); }), u"-1");
    EXPECT_EQ(text(1, 8, 1, [](const B &b) { return b.u16(0x8000); }), u"-32768");
    EXPECT_EQ(text(1, 9, 1, [](const B &b) { return b.u32(0xFFFFFFFF); }), u"-1");
    EXPECT_EQ(text(1, 11, 1, [](const B &b) { return b.u32(0x3F800000); }), u"1065353216");
    // A DOUBLE is shown as the unsigned integer of its 8 bytes: 2^32 here.
    EXPECT_EQ(texts([](B &b) {
                  const bool little = b.u16(1)[0] == 1;
                  b.entry(B::Exif, 1, 12, 1, little ? b.u32(0) + b.u32(1) : b.u32(1) + b.u32(0));
              }).value(0),
              u"4294967296");
    EXPECT_EQ(text(1, 12, 1, [](const B &b) { return b.u32(0xFFFFFFFF) + b.u32(0xFFFFFFFF); }),
              u"1.84467440737096E+19");
    EXPECT_EQ(text(1, 0, 1, [](const B &b) { return b.u32(5); }), u"");
    EXPECT_EQ(text(1, 13, 1, [](const B &b) { return b.u32(5); }), u"");
}

TEST_F(ValueTextTest, UndefinedByTag)
{
    EXPECT_EQ(texts([](B &b) { b.undefined(B::Exif, 36864, "0220"); }).value(0), u"2.20");
    EXPECT_EQ(texts([](B &b) { b.undefined(B::Exif, 40960, "0100"); }).value(0), u"1.00");
    EXPECT_EQ(texts([](B &b) { b.undefined(B::Exif, 37121, QByteArray("\1\2\3\0", 4)); }).value(0), u"YCbCr");
    EXPECT_EQ(texts([](B &b) { b.undefined(B::Exif, 37121, QByteArray("\4\5\6\7", 4)); }).value(0), u"RGB");
    EXPECT_EQ(texts([](B &b) { b.undefined(B::Exif, 41728, QByteArray("\3", 1)); }).value(0), u"3");
    EXPECT_EQ(texts([](B &b) { b.undefined(B::Exif, 41729, QByteArray("\1", 1)); }).value(0), u"1");
    EXPECT_EQ(texts([](B &b) { b.undefined(B::Exif, 37500, QByteArray("A\x1F" "B\x7F\x80\0C", 7)); }).value(0),
              QString::fromLatin1("AB\x7F" "C"));
    EXPECT_EQ(texts([](B &b) { b.undefined(B::Exif, 37510, QByteArray("ASCII\0\0\0hi", 10)); }).value(0), u"ASCIIhi");
}

}
