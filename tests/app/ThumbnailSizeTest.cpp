#include "services/Thumbnail.h"

#include <gtest/gtest.h>

namespace {

void ExpectSize(int32_t width, int32_t height, int32_t box, int32_t percent, int32_t thumbWidth,
                int32_t thumbHeight)
{
    const ThumbnailSize size = ThumbnailSizeFor(width, height, box);
    EXPECT_EQ(size.percent, percent) << width << " x " << height;
    EXPECT_EQ(size.width, thumbWidth) << width << " x " << height;
    EXPECT_EQ(size.height, thumbHeight) << width << " x " << height;
}

}

TEST(ThumbnailSize, FitsTheHeightInWholePercentRoundedToEven)
{
    ExpectSize(4000, 3000, 105, 4, 160, 120);   // 3.5 goes to the even 4
    ExpectSize(200, 150, 105, 70, 140, 105);
    ExpectSize(6000, 1000, 105, 10, 600, 100);  // 10.5 goes to the even 10
    ExpectSize(100, 50, 105, 210, 210, 105);    // small images are enlarged
}

TEST(ThumbnailSize, PanoramaWiderThanSixteenBitsKeepsItsSize)
{
    ExpectSize(40000, 4000, 105, 3, 1200, 120);
    ExpectSize(100000, 1000, 100, 10, 10000, 100);
}

TEST(ThumbnailSize, VeryTallOrNarrowImageGetsAtLeastOnePixel)
{
    // 100 / 21000 * 105 = 0.5, which rounds to the even 0.
    ExpectSize(100, 21000, 105, 0, 1, 1);
    ExpectSize(300, 40000, 105, 0, 1, 1);
    // 20 pixels at 4 percent are 0.8 pixels wide.
    ExpectSize(20, 3000, 105, 4, 1, 120);
}

TEST(ThumbnailSize, NoSizeForAnEmptyImage)
{
    ExpectSize(0, 100, 105, 0, 0, 0);
    ExpectSize(100, 0, 105, 0, 0, 0);
}
