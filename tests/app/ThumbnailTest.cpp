#include "services/Thumbnail.h"

#include "TestFiles.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A grey JPEG of the given size, loaded for a box of the given height.
void ExpectThumbnail(int width, int height, int box, const QSize &thumbnailSize)
{
    QTemporaryDir dir;
    const Thumbnail thumbnail = LoadThumbnail(WriteJpeg(dir.filePath("photo.jpg"), width, height), box);
    ASSERT_TRUE(thumbnail.sizeKnown);
    EXPECT_EQ(thumbnail.imageWidth, width);
    EXPECT_EQ(thumbnail.imageHeight, height);
    EXPECT_EQ(thumbnail.image.size(), thumbnailSize);
}

}

TEST(LoadThumbnail, DecodesAtTheThumbnailSize)
{
    ExpectThumbnail(4000, 3000, 105, QSize(160, 120));
    ExpectThumbnail(100, 50, 105, QSize(210, 105));
}

TEST(LoadThumbnail, PanoramaOverSixteenBitsShowsItsTrueSize)
{
    ExpectThumbnail(40000, 400, 100, QSize(10000, 100));
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
