#include "app/PanelTexts.h"

#include <gtest/gtest.h>

TEST(PanelTexts, SizesTimesAndColours)
{
    // Width first, as the photo stands upright.
    EXPECT_EQ(ImageSizeText(6000, 4000, 1), QStringLiteral("Bildgrösse: 6000 x 4000"));
    EXPECT_EQ(ImageSizeText(6000, 4000, 6), QStringLiteral("Bildgrösse: 4000 x 6000"));
    const QDateTime local(QDate(2006, 7, 15), QTime(14, 23, 5));
    EXPECT_EQ(FileTimeText(local.toUTC()), QStringLiteral("15.07.2006 14:23:05"));

    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale plain = german;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    EXPECT_EQ(FileSizeText(5000000000LL, plain), QStringLiteral("5.000.000.000"));
    EXPECT_EQ(FileSizeText(999, german), QStringLiteral("999"));
    EXPECT_EQ(FileSizeText(0, german), QString());

    const QString time = QStringLiteral("15.07.2006 14:23:05");
    EXPECT_EQ(FileTimeColour(time, time), QColor(0, 0, 0));
    EXPECT_EQ(FileTimeColour(QString(), QString()), QColor(0, 0, 0));
    EXPECT_EQ(FileTimeColour(QStringLiteral("15.07.2006 14:23:06"), time), QColor(192, 0, 0));
}

TEST(PanelTexts, ExposureAndApertureAsTheCameraShowsThem)
{
    const QLocale c = QLocale::c();
    const std::pair<double, const char *> exposures[] = {
        {1.0 / 160, "Belichtung: 1/160s"}, {2, "Belichtung: 2s"}, {1.3, "Belichtung: 1.3s"},
        {1, "Belichtung: 1s"}, {0.8, "Belichtung: 0.8s"}, {1.0 / 3, "Belichtung: 1/3s"}};
    for (const auto &[seconds, text] : exposures)
        EXPECT_EQ(ExposureText(seconds, c), QString::fromUtf8(text));
    EXPECT_EQ(ApertureText(7.1, c), QStringLiteral("Blende: f 7.1"));
    EXPECT_EQ(ApertureText(8, QLocale(QLocale::German)), QStringLiteral("Blende: f 8,0"));
}
