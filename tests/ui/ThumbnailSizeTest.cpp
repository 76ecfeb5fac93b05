#include "ui/Thumbnail.h"

#include <gtest/gtest.h>

TEST(ThumbnailSize, FitsTheHeightInWholePercentRoundedToEven)
{
    const struct
    {
        int32_t width, height, box, percent, thumbWidth, thumbHeight;
    } cases[] = {
        {4000, 3000, 105, 4, 160, 120},        // 3.5 goes to the even 4
        {200, 150, 105, 70, 140, 105},
        {6000, 1000, 105, 10, 600, 100},       // 10.5 goes to the even 10
        {100, 50, 105, 210, 210, 105},         // small images are enlarged
        {40000, 4000, 105, 3, 1200, 120},      // wider than 16 bits
        {100000, 1000, 100, 10, 10000, 100},
        {100, 21000, 105, 0, 1, 1},            // 0.5 percent goes to 0, still one pixel
        {300, 40000, 105, 0, 1, 1},
        {20, 3000, 105, 4, 1, 120},            // 0.8 pixels wide
        {0, 100, 105, 0, 0, 0},                // no image, no size
        {100, 0, 105, 0, 0, 0},
    };
    for (const auto &c : cases) {
        const ThumbnailSize size = ThumbnailSizeFor(c.width, c.height, c.box);
        EXPECT_EQ(size.percent, c.percent) << c.width << " x " << c.height;
        EXPECT_EQ(size.width, c.thumbWidth) << c.width << " x " << c.height;
        EXPECT_EQ(size.height, c.thumbHeight) << c.width << " x " << c.height;
    }
}
