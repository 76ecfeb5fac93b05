#include "services/Thumbnail.h"

#include "TestFiles.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(LoadThumbnail, DecodesAtTheThumbnailSize)
{
    QTemporaryDir dir;
    const Thumbnail thumbnail = LoadThumbnail(WriteJpeg(dir.filePath("big.jpg"), 4000, 3000), 105);
    ASSERT_TRUE(thumbnail.sizeKnown);
    EXPECT_EQ(thumbnail.imageWidth, 4000);
    EXPECT_EQ(thumbnail.imageHeight, 3000);
    EXPECT_EQ(thumbnail.image.size(), QSize(160, 120));
}

TEST(LoadThumbnail, PanoramaOverSixteenBitsShowsItsTrueSize)
{
    QTemporaryDir dir;
    const Thumbnail thumbnail = LoadThumbnail(WriteJpeg(dir.filePath("pano.jpg"), 40000, 400), 100);
    ASSERT_TRUE(thumbnail.sizeKnown);
    EXPECT_EQ(thumbnail.imageWidth, 40000);
    EXPECT_EQ(thumbnail.imageHeight, 400);
    EXPECT_EQ(thumbnail.image.size(), QSize(10000, 100));
}

TEST(LoadThumbnail, VeryTallImageStillGivesAPicture)
{
    QTemporaryDir dir;
    const Thumbnail thumbnail = LoadThumbnail(WriteJpeg(dir.filePath("tall.jpg"), 100, 21000), 105);
    EXPECT_EQ(thumbnail.imageHeight, 21000);
    EXPECT_FALSE(thumbnail.image.isNull());
    EXPECT_GE(thumbnail.image.height(), 1);
}

TEST(LoadThumbnail, TransparentPartsTurnBlack)
{
    QTemporaryDir dir;
    QImage clear(50, 40, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    clear.setPixel(0, 0, qRgba(255, 255, 255, 255));
    ASSERT_TRUE(clear.save(dir.filePath("clear.png")));

    const Thumbnail thumbnail = LoadThumbnail(dir.filePath("clear.png"), 40);
    ASSERT_EQ(thumbnail.image.size(), QSize(50, 40));
    EXPECT_FALSE(thumbnail.image.hasAlphaChannel());
    EXPECT_EQ(thumbnail.image.pixel(49, 39), qRgb(0, 0, 0));
    EXPECT_EQ(thumbnail.image.pixel(0, 0), qRgb(255, 255, 255));
}

TEST(LoadThumbnail, NoPictureAndNoSizeForWhatIsNoImage)
{
    QTemporaryDir dir;
    const Thumbnail text = LoadThumbnail(WriteBytes(dir.filePath("text.jpg"), 100), 105);
    EXPECT_FALSE(text.sizeKnown);
    EXPECT_TRUE(text.image.isNull());
    EXPECT_FALSE(LoadThumbnail(dir.filePath("missing.jpg"), 105).sizeKnown);
}

TEST(LoadThumbnail, SamplePhotosAndTheDamagedOne)
{
    const Thumbnail canon = LoadThumbnail(QStringLiteral(FOTLEX_TESTDATA "/Canon_40D.jpg"), 105);
    EXPECT_EQ(canon.imageWidth, 100);
    EXPECT_EQ(canon.imageHeight, 68);
    EXPECT_EQ(canon.image.size(), QSize(154, 104));

    // Its header is whole (3648 x 2736, as ExifTool reads it); the data is not.
    const Thumbnail damaged = LoadThumbnail(QStringLiteral(FOTLEX_TESTDATA "/corrupted.jpg"), 105);
    EXPECT_TRUE(damaged.sizeKnown);
    EXPECT_EQ(damaged.imageWidth, 3648);
    EXPECT_EQ(damaged.imageHeight, 2736);
}
