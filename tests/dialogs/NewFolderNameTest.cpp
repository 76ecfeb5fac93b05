#include "dialogs/NewFolderName.h"

#include <gtest/gtest.h>

namespace {

TEST(CheckNewFolderName, RefusesDotLevelsAnywhereAndControlCharacters)
{
    const std::pair<QString, FolderNameFault> cases[] = {
        {"Neuer Ordner", FolderNameFault::None}, {"Urlaub 2016/Tag 1/", FolderNameFault::None},
        {"a..b", FolderNameFault::None}, {"..versteckt", FolderNameFault::None}, {"Grüße", FolderNameFault::None},
        {"", FolderNameFault::None},
        {".", FolderNameFault::DotLevel}, {"..", FolderNameFault::DotLevel}, {"../nachbar", FolderNameFault::DotLevel},
        {"a/../../b", FolderNameFault::DotLevel}, {"a/./b", FolderNameFault::DotLevel}, {"a/..", FolderNameFault::DotLevel},
        {"Zeile\nzwei", FolderNameFault::ControlCharacter}, {"Tab\there", FolderNameFault::ControlCharacter},
        {QString("a") + QChar(0) + "b", FolderNameFault::ControlCharacter},
        {"Ende\r", FolderNameFault::ControlCharacter}, {QString("x") + QChar(0x7f), FolderNameFault::ControlCharacter},
        {QString("x") + QChar(0x85), FolderNameFault::ControlCharacter}};
    for (const auto &[name, fault] : cases)
        EXPECT_EQ(CheckNewFolderName(name), fault) << name.toStdString();
    EXPECT_TRUE(FolderNameFaultText(FolderNameFault::None).isEmpty());
}

TEST(NewFolderPath, JoinsWithOneSeparator)
{
    EXPECT_EQ(NewFolderPath("/fotos", "neu"), "/fotos/neu");
    EXPECT_EQ(NewFolderPath("/fotos/", "neu"), "/fotos/neu");
    EXPECT_EQ(NewFolderPath("/", "neu"), "/neu");
    EXPECT_EQ(NewFolderPath("/fotos", ""), "/fotos/");
}

} // namespace
