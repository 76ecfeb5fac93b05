#include "widgets/AccessKey.h"
#include "widgets/ButtonPropertyBag.h"
#include "widgets/NewButtonCaption.h"

#include <QFont>

#include <gtest/gtest.h>

namespace {

TEST(ButtonAccessKey, FirstSingleAmpersandGivesTheLowerCaseKey)
{
    EXPECT_EQ(AccessKeyOf(QStringLiteral("&OK")), QStringLiteral("o"));
    EXPECT_EQ(AccessKeyOf(QStringLiteral("&Cancel")), QStringLiteral("c"));
    EXPECT_EQ(AccessKeyOf(QStringLiteral("Neuer &Ordner")), QStringLiteral("o"));
    EXPECT_EQ(AccessKeyOf(QStringLiteral("A&&B &Cd")), QStringLiteral("c"));
    EXPECT_EQ(AccessKeyOf(QStringLiteral("&Übernehmen")), QStringLiteral("ü"));
}

TEST(ButtonAccessKey, NoKeyForDoubledTrailingOrTooShort)
{
    EXPECT_EQ(AccessKeyOf(QString()), QString());
    EXPECT_EQ(AccessKeyOf(QStringLiteral("&&")), QString());
    EXPECT_EQ(AccessKeyOf(QStringLiteral("Fish && Chips")), QString());
    EXPECT_EQ(AccessKeyOf(QStringLiteral("OK&")), QString());
    EXPECT_EQ(AccessKeyOf(QStringLiteral("&A")), QString());
    EXPECT_EQ(AccessKeyOf(QStringLiteral("...")), QString());
}

TEST(ButtonNewCaption, OkThenCancelThenApplyThenOwnName)
{
    EXPECT_EQ(NewButtonCaption({QString()}, QStringLiteral("FlatButton1")), QStringLiteral("&OK"));
    EXPECT_EQ(NewButtonCaption({QStringLiteral("&OK"), QString()}, QStringLiteral("FlatButton2")),
              QStringLiteral("&Cancel"));
    EXPECT_EQ(NewButtonCaption({QStringLiteral("&Cancel"), QStringLiteral("&OK"), QString()}, QStringLiteral("B")),
              QStringLiteral("&Apply"));
    EXPECT_EQ(NewButtonCaption({QStringLiteral("&OK"), QStringLiteral("&Cancel"), QStringLiteral("&Apply"), QString()},
                               QStringLiteral("FlatButton4")),
              QStringLiteral("FlatButton4"));
    // Only whole captions count.
    EXPECT_EQ(NewButtonCaption({QStringLiteral("&OKAY"), QString()}, QStringLiteral("B")), QStringLiteral("&OK"));
}

TEST(ButtonPropertyBag, KeysIgnoreCaseAndDefaultsAreNotStored)
{
    ButtonPropertyBag bag;
    bag.WriteProperty(QStringLiteral("Caption"), QStringLiteral("&OK"), QStringLiteral("&OK"));
    bag.WriteProperty(QStringLiteral("Enabled"), false, true);
    bag.WriteProperty(QStringLiteral("ForeColor"), 0xFFu, 0u);
    EXPECT_EQ(bag.Keys(), (QStringList{QStringLiteral("enabled"), QStringLiteral("forecolor")}));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("ENABLED"), true), QVariant(false));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("caption"), QStringLiteral("x")), QVariant(QStringLiteral("x")));

    bag.WriteProperty(QStringLiteral("enabled"), true, true);
    EXPECT_FALSE(bag.Contains(QStringLiteral("Enabled")));
}

TEST(ButtonPropertyBag, TextDefaultNeverEqualsAFont)
{
    ButtonPropertyBag bag;
    bag.WriteProperty(QStringLiteral("Font"), QFont(QStringLiteral("Verdana")), QStringLiteral("Verdana"));
    EXPECT_TRUE(bag.Contains(QStringLiteral("font")));
}

} // namespace
