#include "actions/NewName.h"

#include <gtest/gtest.h>

namespace {

void ExpectOffered(const QString &fileName, const QString &base, const QString &extension)
{
    const OfferedName offered = SplitOfferedName(fileName);
    EXPECT_EQ(offered.base, base) << fileName.toStdString();
    EXPECT_EQ(offered.extension, extension) << fileName.toStdString();
}

} // namespace

TEST(SplitOfferedName, JpegKeepsFourLetterExtensionInLowerCase)
{
    ExpectOffered("IMG_0001.jpeg", "IMG_0001", ".jpeg");
    ExpectOffered("IMG_0001.JPEG", "IMG_0001", ".jpeg");
    ExpectOffered("IMG_0001.JPG", "IMG_0001", ".jpg");
    ExpectOffered("2016-05-01 - 12-00-00.Png", "2016-05-01 - 12-00-00", ".png");
}

TEST(SplitOfferedName, OtherFourLetterExtensionsSplitAfterFourthCharacterFromEnd)
{
    ExpectOffered("x.tiff", "x.", ".iff");
    ExpectOffered("Bild.GIF", "Bild", ".gif");
}

TEST(SplitOfferedName, NamesShorterThanTheirExtensionDoNotCrash)
{
    ExpectOffered("", "", ".");
    ExpectOffered("ab", "", ".ab");
    ExpectOffered("peg", "", ".jpeg");
}

TEST(CheckNewBaseName, RefusesWhatWouldHideOrMoveTheFile)
{
    EXPECT_EQ(CheckNewBaseName(""), NameProblem::Empty);
    EXPECT_EQ(CheckNewBaseName("sub/name"), NameProblem::PathSeparator);
    EXPECT_EQ(CheckNewBaseName("..\\name"), NameProblem::PathSeparator);
    EXPECT_EQ(CheckNewBaseName("line\nbreak"), NameProblem::ControlCharacter);
    EXPECT_EQ(CheckNewBaseName(QString("tab\there")), NameProblem::ControlCharacter);
    EXPECT_EQ(CheckNewBaseName(QString("del") + QChar(0x7f)), NameProblem::ControlCharacter);
    EXPECT_EQ(CheckNewBaseName(QString("c1") + QChar(0x85)), NameProblem::ControlCharacter);
}

TEST(CheckNewBaseName, AcceptsOrdinaryNames)
{
    for (const QString &name : {QString("Urlaub 2016"), QString("Grüße-aus_Köln"), QString("x."),
                                QString(" "), QString("a?b|c"), QString("Straße (2)")})
        EXPECT_EQ(CheckNewBaseName(name), NameProblem::None) << name.toStdString();
}
