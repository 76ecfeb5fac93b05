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
