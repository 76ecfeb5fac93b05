#include "tests/support/ExifBuilder.h"
#include "metadata/clsEXIF.h"
#include "tests/support/TestFiles.h"

#include <QLocale>
#include <functional>
#include <gtest/gtest.h>

namespace {

using B = ExifBuilder;
using Fill = std::function<void(B &)>;

// Reads the data built in both byte orders and gives the text of the first
// entry other than ExifOffset; the two orders must agree.
class ValueTextTest : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    QString text(const Fill &fill)
    {
        QStringList result[2];
        for (bool little : {true, false}) {
            B b(little);
            fill(b);
            const QString path = m_dir.filePath(QStringLiteral("v.jpg"));
            EXPECT_TRUE(WriteBytes(path, b.jpeg()));
            clsEXIF reader;
            reader.setImageFile(path);
            EXPECT_EQ(reader.ReadStatus(), 0);
            for (size_t i = 1; i < reader.Tags().size(); ++i) {
                if (reader.Tags()[i].id != 34665)
                    result[little] << reader.Tags()[i].text;
            }
        }
        EXPECT_EQ(result[0], result[1]);
        return result[1].value(0);
    }

    // An entry of the Exif directory whose value is made by `bytes`.
    QString raw(uint16_t type, std::function<QByteArray(const B &)> bytes, uint16_t id = 1)
    {
        return text([&](B &b) { b.entry(B::Exif, id, type, 1, bytes(b)); });
    }

    QString rational(uint16_t id, uint32_t num, uint32_t den)
    {
        return text([&](B &b) { b.rationals(B::Exif, id, {{num, den}}); });
    }

    QString sRational(uint16_t id, int32_t num, int32_t den)
    {
        return text([&](B &b) { b.sRational(B::Exif, id, num, den); });
    }

    QString undefined(uint16_t id, const QByteArray &bytes)
    {
        return text([&](B &b) { b.undefined(B::Exif, id, bytes); });
    }

    QTemporaryDir m_dir;
};

struct RationalCase
{
    uint16_t id;
    int64_t num;
    int64_t den;
    bool isSigned;
    const char16_t *expected;
};

TEST_F(ValueTextTest, Rationals)
{
    const RationalCase cases[] = {
        // Shown as one number, halves away from zero.
        {33437, 28, 10, false, u"2.8"}, {282, 72, 1, false, u"72.0"}, {37386, 2025, 100, false, u"20.3"},
        {33434, 1, 250, false, u"250"}, {33434, 1, 2, false, u"2"},
        {33434, 2, 1, false, u"1"}, // 0.5, where QLocale alone would give 0
        {33434, 10, 1250, false, u"125"}, {37378, 297, 100, false, u"2.8"}, {37381, 0, 1, false, u"1.0"},
        {37377, 797, 100, true, u"251"}, {37377, 8, 1, true, u"256"}, {37380, -1, 3, true, u"-0.3"},
        {37380, 0, 1, true, u"0.0"}, {37380, -1, 100, true, u"0.0"}, // no "-0.0"
        // Shown as written.
        {41990, 72, 1, false, u"72/1"}, {41990, 0, 0, false, u"0/0"}, {41990, -1, 3, true, u"-1/3"},
        {41990, 10, -3, true, u"10/-3"},
        // A zero denominator gives no made-up number.
        {33437, 28, 0, false, u""}, {33434, 1, 0, false, u""}, {33434, 0, 1, false, u""},
        {37378, 5, 0, false, u""}, {37377, 5, 0, true, u""}, {37380, 5, 0, true, u""}};
    for (const RationalCase &c : cases) {
        const QString got = c.isSigned ? sRational(c.id, int32_t(c.num), int32_t(c.den))
                                       : rational(c.id, uint32_t(c.num), uint32_t(c.den));
        EXPECT_EQ(got, c.expected) << c.id << " " << c.num << "/" << c.den;
    }
    EXPECT_EQ(text([](B &b) { b.rationals(B::Ifd0, 318, {{313, 1000}, {329, 1000}}); }), u"0.313/0.329");
    EXPECT_EQ(text([](B &b) { b.rationals(B::Ifd0, 532, {{0, 1}, {255, 1}, {128, 1}}); }), u"0.000/255.000/128.000");
    EXPECT_EQ(text([](B &b) { b.rationals(B::Ifd0, 318, {{1, 0}, {329, 1000}, {1, 0}}); }), u"/0.329/");
    // The listed ids always show one number, from the first rational.
    EXPECT_EQ(text([](B &b) { b.rationals(B::Exif, 33437, {{56, 10}, {1, 1}}); }), u"5.6");

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(rational(33437, 28, 10), u"2,8");
    EXPECT_EQ(sRational(37380, -1, 3), u"-0,3");
    EXPECT_EQ(rational(282, 300000, 1), u"300000,0"); // no group separator
    EXPECT_EQ(text([](B &b) { b.rationals(B::Ifd0, 318, {{313, 1000}, {329, 1000}}); }), u"0,313/0,329");
}

TEST_F(ValueTextTest, AsciiAndIntegerTypes)
{
    EXPECT_EQ(text([](B &b) { b.ascii(B::Ifd0, 271, "CAM"); }), u"CAM");
    EXPECT_EQ(text([](B &b) { b.ascii(B::Exif, 36867, "2006:07:15 14:23:05"); }), u"2006:07:15 14:23:05");
    // Text ends at its first zero byte, stays on one line, and has no bytes when its count is 0.
    EXPECT_EQ(text([](B &b) { b.entry(B::Exif, 270, 2, 7, QByteArray("ab\0cd\0e", 7)); }), u"ab");
    EXPECT_EQ(text([](B &b) { b.ascii(B::Ifd0, 271, "A\nB\tC"); }), u"A B C");
    EXPECT_EQ(text([](B &b) { b.entry(B::Exif, 270, 2, 0, QByteArray("abcd", 4)); }), u"");
    // Integer types show the first value.
    EXPECT_EQ(text([](B &b) { b.shorts(B::Exif, 34855, {100, 100}); }), u"100");
    EXPECT_EQ(text([](B &b) { b.shorts(B::Ifd0, 274, {6}); }), u"6");
    EXPECT_EQ(raw(4, [](const B &b) { return b.u32(4000000000u); }, 40962), u"4000000000");
    EXPECT_EQ(raw(1, [](const B &) { return QByteArray("\xC8", 1); }), u"200");
    EXPECT_EQ(raw(6, [](const B &) { return QByteArray("\xFF", 1); }), u"-1");
    EXPECT_EQ(raw(8, [](const B &b) { return b.u16(0x8000); }), u"-32768");
    EXPECT_EQ(raw(9, [](const B &b) { return b.u32(0xFFFFFFFF); }), u"-1");
    EXPECT_EQ(raw(11, [](const B &b) { return b.u32(0x3F800000); }), u"1065353216");
    // A DOUBLE is shown as the unsigned integer of its 8 bytes: 2^32 here.
    EXPECT_EQ(raw(12, [](const B &b) { return b.u16(1)[0] == 1 ? b.u32(0) + b.u32(1) : b.u32(1) + b.u32(0); }),
              u"4294967296");
    EXPECT_EQ(raw(12, [](const B &b) { return b.u32(0xFFFFFFFF) + b.u32(0xFFFFFFFF); }), u"1.84467440737096E+19");
    EXPECT_EQ(raw(0, [](const B &b) { return b.u32(5); }), u"");
    EXPECT_EQ(raw(13, [](const B &b) { return b.u32(5); }), u"");
}

TEST_F(ValueTextTest, UndefinedByTag)
{
    EXPECT_EQ(undefined(36864, "0220"), u"2.20");
    EXPECT_EQ(undefined(40960, "0100"), u"1.00");
    EXPECT_EQ(undefined(37121, QByteArray("\1\2\3\0", 4)), u"YCbCr");
    EXPECT_EQ(undefined(37121, QByteArray("\4\5\6\7", 4)), u"RGB");
    EXPECT_EQ(undefined(41728, QByteArray("\3", 1)), u"3");
    EXPECT_EQ(undefined(41729, QByteArray("\1", 1)), u"1");
    EXPECT_EQ(undefined(37500, QByteArray("A\x1F" "B\x7F\x80\0C", 7)), u"ABC");
    EXPECT_EQ(undefined(37510, QByteArray("ASCII\0\0\0hi", 10)), u"ASCIIhi");
    // Binary data stands as its size, never raw.
    EXPECT_EQ(undefined(50341, QByteArray("PrintIM\0\3\n", 10)), u"(10 Bytes)");
}

}
