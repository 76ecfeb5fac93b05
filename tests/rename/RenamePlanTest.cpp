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
