#include "widgets/AccessKey.h"
#include "widgets/ButtonPropertyBag.h"
#include "widgets/NewButtonCaption.h"

#include <QFont>

#include <gtest/gtest.h>

namespace {

TEST(ButtonAccessKey, FirstSingleAmpersandGivesTheLowerCaseKey)
{
    const std::pair<const char *, const char *> cases[] = {
        {"&OK", "o"}, {"&Cancel", "c"}, {"Neuer &Ordner", "o"}, {"A&&B &Cd", "c"}, {"&Übernehmen", "ü"},
        // doubled, trailing or too short: no key
        {"", ""}, {"&&", ""}, {"Fish && Chips", ""}, {"OK&", ""}, {"&A", ""}, {"...", ""}};
    for (auto [caption, key] : cases)
        EXPECT_EQ(AccessKeyOf(QString::fromUtf8(caption)), QString::fromUtf8(key)) << caption;
}

// The sequence &OK, &Cancel, &Apply, own name is driven through real buttons
// in FlatButtonPropertiesTest; here only that whole captions count.
TEST(ButtonNewCaption, OnlyWholeCaptionsCount)
{
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
    // A text default never equals a font.
    bag.WriteProperty(QStringLiteral("Font"), QFont(QStringLiteral("Verdana")), QStringLiteral("Verdana"));
    EXPECT_TRUE(bag.Contains(QStringLiteral("font")));
}

} // namespace
