#include "metadata/ExifNumberText.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>

// Whole numbers take a quick road; both roads must give the same texts.
TEST(NumberTextTest, DecimalOfWholeAndFractionalNumbers)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ExifNumberText numbers;
    EXPECT_EQ(numbers.Decimal(0), u"0");
    EXPECT_EQ(numbers.Decimal(4294967295.0), u"4294967295");
    EXPECT_EQ(numbers.Decimal(-32768), u"-32768");
    EXPECT_EQ(numbers.Decimal(999999999999999.0), u"999999999999999");
    EXPECT_EQ(numbers.Decimal(1e15), u"1E+15");
    EXPECT_EQ(numbers.Decimal(18446744073709551615.0), u"1,84467440737096E+19");
    EXPECT_EQ(numbers.Decimal(2.5), u"2,5");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

TEST(NumberTextTest, LeadingNumberReadsLikeVal)
{
    EXPECT_EQ(LeadingNumber(QStringLiteral("4294967295")), 4294967295.0);
    EXPECT_EQ(LeadingNumber(QStringLiteral("  00123abc")), 123.0);
    EXPECT_EQ(LeadingNumber(QStringLiteral("-7")), -7.0);
    EXPECT_EQ(LeadingNumber(QStringLiteral("1.5E+2x")), 150.0);
    EXPECT_EQ(LeadingNumber(QStringLiteral("12345678901234567890")), 12345678901234567890.0);
    EXPECT_EQ(LeadingNumber(QStringLiteral("abc")), 0.0);
}

TEST(NumberTextTest, RoundToInt32OnlyWithinItsRange)
{
    EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(RoundToInt32(-2147483648.0), -2147483648);
    for (const double outside : {2147483648.0, -2147483649.0, 3e9, -3e9, std::nan("")})
        EXPECT_EQ(RoundToInt32(outside), std::nullopt) << outside;
}

// An exposure that cannot be misread, the same in the summary and the list.
TEST(NumberTextTest, ExposureAsAFractionOrSeconds)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const struct { double seconds; const char *text; } cases[] = {
        {1.0 / 250, "1/250"}, {0.00625, "1/160"}, {0.0045725, "1/219"}, {0.25, "1/4"}, {1.0 / 3, "1/3"},
        {0.4, "0,4"},         {0.047, "0,047"},   {0.6, "0,6"},         {4, "4"},      {1.3, "1,3"},
        {0.5, "0,5"},         {1000, "1000"}};
    for (const auto &c : cases)
        EXPECT_EQ(ExposureTimeText(c.seconds, german), QLatin1String(c.text)) << c.seconds;
    EXPECT_EQ(ExposureTimeText(0.4, QLocale::c()), u"0.4");
}
