#include "services/ImageTypes.h"

#include <gtest/gtest.h>

TEST(ImageTypes, OneListForListStartAndRename)
{
    for (const char *name : {"a.jpg", "A.JPG", "b.jpe", "c.jpeg", "d.TIF", "d.tiff", "e.bmp", "f.gif", "g.PNG"})
        EXPECT_TRUE(IsImageFileName(QString::fromLatin1(name))) << name;
    for (const char *name : {"a.jps", "xjpeg", "folder", "", "jpg", ".jpg", "a.jpg "})
        EXPECT_FALSE(IsImageFileName(QString::fromLatin1(name))) << name;
}
