#include "widgets/AccessKey.h"
#include "widgets/NewButtonCaption.h"

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

TEST(ButtonNewCaption, OkCancelApplyThenOwnNameAndOnlyWholeCaptionsCount)
{
    const struct { QStringList captions; const char *expected; } cases[] = {
        {{QString()}, "&OK"},
        {{"&OK", ""}, "&Cancel"},
        {{"&OK", "&Cancel", ""}, "&Apply"},
        {{"&OK", "&Cancel", "&Apply", ""}, "B"},
        {{"&OKAY", ""}, "&OK"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NewButtonCaption(c.captions, QStringLiteral("B")), QString::fromLatin1(c.expected)) << c.expected;
}

} // namespace
