#include "rename/FolderNames.h"
#include "rename/RenamePlan.h"

#include <gtest/gtest.h>

namespace {

FolderNames NamesOf(std::initializer_list<const char *> names)
{
    FolderNames set;
    for (const char *name : names)
        set.add(QString::fromUtf8(name));
    return set;
}

} // namespace

TEST(RenamePlan, AcceptsOnlyRealWellFormedTimes)
{
    EXPECT_TRUE(IsRealExifTime("2016:08:28 - 02:24:00"));
    EXPECT_TRUE(IsRealExifTime("2016:02:29 - 23:59:59"));
    EXPECT_TRUE(IsRealExifTime("2000:01:01 - 00:00:00"));
    for (const char *bad : {"0000:00:00 - 00:00:00", " - ", "", "2016:08:28 - 02:24", "2016:08:28",
                            "2015:02:29 - 10:00:00", "2016:13:01 - 10:00:00",
                            "2016:08:28 - 24:00:00", "2016:08:28 - 10:60:00",
                            "2016-08-28 - 02:24:00", "2016:08:28 - 02:24:0x",
                            "2016:08:28   02:24:00", "2016:08:28 - 02:24:00 "})
        EXPECT_FALSE(IsRealExifTime(bad)) << bad;
    EXPECT_EQ(ExifTimeFromText("2016:08:28 02:24:00"), "2016:08:28 - 02:24:00");
    EXPECT_EQ(ExifTimeFromText("2016:08:28"), "");
    EXPECT_EQ(ExifTimeFromText("2016:08:28T02:24:00"), "");
}

TEST(RenamePlan, JpegSpellingsBecomeJpgOtherTypesKeepTheirOwn)
{
    for (const auto &[name, extension] : {std::pair{"a.jpg", ".jpg"}, {"a.JPG", ".jpg"}, {"a.jpeg", ".jpg"},
                                          {"a.JPEG", ".jpg"}, {"a.Jpe", ".jpg"}, {"x.y.jpg", ".jpg"},
                                          {"a.PNG", ".png"}, {"a.gif", ".gif"}, {"a.TIF", ".tif"},
                                          {"a.Jps", ".jps"}, {"noext", ""}, {".jpg", ""}})
        EXPECT_EQ(RenamedExtension(name), extension) << name;
}

TEST(FolderNamesTest, CountsNamesThatFoldAlike)
{
    FolderNames names = NamesOf({"X.JPG", "x.jpg", "Ärger.jpg"});
    names.remove("x.jpg");
    EXPECT_TRUE(names.contains("x.Jpg"));
    names.remove("X.JPG");
    EXPECT_FALSE(names.contains("x.jpg"));
    EXPECT_TRUE(names.contains("ÄRGER.JPG"));
    names.renamed("Ärger.jpg", "b.jpg");
    EXPECT_FALSE(names.contains("ärger.jpg"));
    EXPECT_TRUE(names.contains("B.jpg"));
    // The first and last capitals fold too.
    for (const char *name : {"Anna.jpg", "zoo.jpg"})
        names.add(QString::fromLatin1(name));
    EXPECT_TRUE(names.contains("aNNA.JPG"));
    EXPECT_TRUE(names.contains("Zoo.jpg"));
}
