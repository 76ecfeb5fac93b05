#include "dialogs/NewFolderName.h"

#include <gtest/gtest.h>

TEST(CheckNewFolderName, RefusesDotLevelsAnywhereAndControlCharacters)
{
    const std::pair<QString, FolderNameFault> cases[] = {
        {"Urlaub 2016/Tag 1/", FolderNameFault::None}, {"a..b", FolderNameFault::None},
        {"..versteckt", FolderNameFault::None}, {"", FolderNameFault::None}, {".", FolderNameFault::DotLevel},
        {"../nachbar", FolderNameFault::DotLevel}, {"a/./b", FolderNameFault::DotLevel},
        {"a/..", FolderNameFault::DotLevel}, {"Tab\there", FolderNameFault::ControlCharacter},
        {QString("a") + QChar(0) + "b", FolderNameFault::ControlCharacter},
        {QString("x") + QChar(0x7f), FolderNameFault::ControlCharacter},
        {QString("x") + QChar(0x85), FolderNameFault::ControlCharacter}};
    for (const auto &[name, fault] : cases)
        EXPECT_EQ(CheckNewFolderName(name), fault) << name.toStdString();
    EXPECT_EQ(NewFolderPath("/fotos", "neu"), "/fotos/neu");
    EXPECT_EQ(NewFolderPath("/fotos/", "neu"), "/fotos/neu");
    EXPECT_EQ(NewFolderPath("/", "neu"), "/neu");
}
