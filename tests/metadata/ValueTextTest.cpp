#include "tests/support/ExifBuilder.h"
#include "metadata/ExifReader.h"
#include "tests/support/TestFiles.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

// Reads an undefined-type entry of the Exif directory, built in both byte
// orders, and gives its text; the two orders must agree.
class ValueTextTest : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    QString undefined(uint16_t id, const QByteArray &bytes)
    {
        QStringList result[2];
        for (bool little : {true, false}) {
            const QString path = m_dir.filePath(QStringLiteral("v.jpg"));
            EXPECT_TRUE(WriteBytes(path, ExifBuilder(little).undefined(ExifBuilder::Exif, id, bytes).jpeg()));
            ExifReader reader;
            reader.setImageFile(path);
            EXPECT_EQ(reader.readStatus(), ExifReadStatus::Present);
            for (size_t i = 1; i < reader.Tags().size(); ++i) {
                if (reader.Tags()[i].id != 34665)
                    result[little] << reader.Tags()[i].text;
            }
        }
        EXPECT_EQ(result[0], result[1]);
        return result[1].value(0);
    }

    QTemporaryDir m_dir;
};

TEST_F(ValueTextTest, UndefinedByTag)
{
    EXPECT_EQ(undefined(36864, "0220"), u"2.20");
    EXPECT_EQ(undefined(40960, "0100"), u"1.00");
    EXPECT_EQ(undefined(37121, QByteArray("\1\2\3\0", 4)), u"YCbCr");
    EXPECT_EQ(undefined(37121, QByteArray("\4\5\6\7", 4)), u"RGB");
    EXPECT_EQ(undefined(41728, QByteArray("\3", 1)), u"3");
    EXPECT_EQ(undefined(41729, QByteArray("\1", 1)), u"1");
    // A maker note is text only when it holds nothing else.
    EXPECT_EQ(undefined(37500, QByteArray("Maker\0\0", 7)), u"Maker");
    EXPECT_EQ(undefined(37500, QByteArray("AB\x80\0C", 5)), u"(5 Bytes)");
    EXPECT_EQ(undefined(37500, QByteArray("Nikon\0\2\x10\0\0MM", 12)), u"(12 Bytes)");
    EXPECT_EQ(undefined(37510, QByteArray("ASCII\0\0\0hi", 10)), u"ASCIIhi");
    // Binary data stands as its size, never raw.
    EXPECT_EQ(undefined(50341, QByteArray("PrintIM\0\3\n", 10)), u"(10 Bytes)");
}

}
