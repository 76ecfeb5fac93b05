#include "app/PanelTexts.h"

#include <gtest/gtest.h>

TEST(PanelTexts, SizesAndTimes)
{
    EXPECT_EQ(ImageSizeText(3000, 4000), QStringLiteral("Bildgrösse: 3000 x 4000"));
    EXPECT_EQ(ImageSizeText(400, 40000), QStringLiteral("Bildgrösse: 400 x 40000"));

    const QDateTime local(QDate(2006, 7, 15), QTime(14, 23, 5));
    EXPECT_EQ(FileTimeText(local), QStringLiteral("15.07.2006 14:23:05"));
    EXPECT_EQ(FileTimeText(local.toUTC()), QStringLiteral("15.07.2006 14:23:05"));
}

TEST(PanelTexts, FileSizeGroupsDigitsTheLocalesWay)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(FileSizeText(1456892, german), QStringLiteral("1.456.892"));
    EXPECT_EQ(FileSizeText(999, german), QStringLiteral("999"));
    EXPECT_EQ(FileSizeText(0, german), QString());
    EXPECT_EQ(FileSizeText(5000000000LL, german), QStringLiteral("5.000.000.000"));
    EXPECT_EQ(FileSizeText(1456892, QLocale(QLocale::English, QLocale::UnitedStates)),
              QStringLiteral("1,456,892"));

    QLocale plain = german;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    EXPECT_EQ(FileSizeText(1456892, plain), QStringLiteral("1.456.892"));
}

TEST(PanelTexts, FileTimeIsDarkRedUnlessEqual)
{
    const QString time = QStringLiteral("15.07.2006 14:23:05");
    EXPECT_EQ(FileTimeColour(time, time), QColor(0, 0, 0));
    EXPECT_EQ(FileTimeColour(QString(), QString()), QColor(0, 0, 0));
    EXPECT_EQ(FileTimeColour(QStringLiteral("15.07.2006 14:23:06"), time), QColor(192, 0, 0));
    EXPECT_EQ(FileTimeColour(time, QStringLiteral("No EXIF Data")), QColor(192, 0, 0));
}
