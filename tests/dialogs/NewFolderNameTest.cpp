#include "dialogs/NewFolderName.h"

#include <gtest/gtest.h>

namespace {

TEST(CheckNewFolderName, AcceptsPlainAndMultiLevelNames)
{
    for (const char *name : {"Neuer Ordner", "Urlaub 2016/Tag 1/", "a..b", "..versteckt", "Grüße", ""})
        EXPECT_EQ(CheckNewFolderName(name), FolderNameFault::None) << name;
}

TEST(CheckNewFolderName, RefusesDotLevelsAnywhere)
{
    for (const char *name : {".", "..", "../nachbar", "a/../../b", "a/./b", "a/.."})
        EXPECT_EQ(CheckNewFolderName(name), FolderNameFault::DotLevel) << name;
}

TEST(CheckNewFolderName, RefusesControlCharacters)
{
    for (const QString &name : {QString("Zeile\nzwei"), QString("Tab\there"), QString("a") + QChar(0) + "b",
                               QString("Ende\r"), QString("x") + QChar(0x7f), QString("x") + QChar(0x85)})
        EXPECT_EQ(CheckNewFolderName(name), FolderNameFault::ControlCharacter);
}

TEST(FolderNameFaultText, GivesAGermanTextForEachFault)
{
    EXPECT_TRUE(FolderNameFaultText(FolderNameFault::None).isEmpty());
    EXPECT_TRUE(FolderNameFaultText(FolderNameFault::DotLevel).contains("\"..\""));
    EXPECT_TRUE(FolderNameFaultText(FolderNameFault::ControlCharacter).contains("Steuerzeichen"));
}

TEST(NewFolderPath, JoinsWithOneSeparator)
{
    EXPECT_EQ(NewFolderPath("/fotos", "neu"), "/fotos/neu");
    EXPECT_EQ(NewFolderPath("/fotos/", "neu"), "/fotos/neu");
    EXPECT_EQ(NewFolderPath("/", "neu"), "/neu");
    EXPECT_EQ(NewFolderPath("/fotos", ""), "/fotos/");
}

} // namespace
