#include "actions/NewName.h"

#include <gtest/gtest.h>

TEST(SplitOfferedName, AtTheLastDotWithTheExtensionInLowerCase)
{
    const struct { const char *fileName, *base, *extension; } cases[] = {
        {"IMG_0001.JPEG", "IMG_0001", ".jpeg"}, {"IMG_0001.JPG", "IMG_0001", ".jpg"},
        {"2016-05-01 - 12-00-00.Png", "2016-05-01 - 12-00-00", ".png"}, {"x.tiff", "x", ".tiff"},
        {"IMG_0002.HEIC", "IMG_0002", ".heic"}, {"Foto 1.2.jpg", "Foto 1.2", ".jpg"}, {"ohne", "ohne", ""},
        {".jpg", ".jpg", ""}, {"", "", ""}};
    for (const auto &c : cases) {
        const OfferedName offered = SplitOfferedName(QString::fromLatin1(c.fileName));
        EXPECT_EQ(offered.base, QString::fromLatin1(c.base)) << c.fileName;
        EXPECT_EQ(offered.extension, QString::fromLatin1(c.extension)) << c.fileName;
    }
}

TEST(CheckNewBaseName, RefusesWhatWouldHideOrMoveTheFileAcceptsTheRest)
{
    const std::pair<QString, NameProblem> cases[] = {
        {"", NameProblem::Empty}, {"sub/name", NameProblem::PathSeparator}, {"..\\name", NameProblem::PathSeparator},
        {"line\nbreak", NameProblem::ControlCharacter}, {QString("del") + QChar(0x7f), NameProblem::ControlCharacter},
        {QString("c1") + QChar(0x85), NameProblem::ControlCharacter}, {"Grüße-aus_Köln", NameProblem::None},
        {"x.", NameProblem::None}, {" ", NameProblem::None}, {"a?b|c (2)", NameProblem::None}};
    for (const auto &[name, problem] : cases)
        EXPECT_EQ(CheckNewBaseName(name), problem) << name.toStdString();
}
