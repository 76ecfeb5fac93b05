#include "ui/Thumbnail.h"

#include "GuiFiles.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(LoadThumbnail, DecodesGreyJpegsAtTheThumbnailSize)
{
    const struct
    {
        int width, height, box;
        QSize thumbnail;
    } cases[] = {
        {4000, 3000, 105, {160, 120}},
        {100, 50, 105, {210, 105}},
        {40000, 400, 100, {10000, 100}},   // a panorama over 16 bits keeps its true size
        {100, 21000, 105, {1, 1}},         // a very tall one still gives a picture
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        const Thumbnail thumbnail = LoadThumbnail(WriteJpeg(dir.filePath("photo.jpg"), c.width, c.height), c.box);
        ASSERT_TRUE(thumbnail.sizeKnown) << c.width << " x " << c.height;
        EXPECT_EQ(thumbnail.imageWidth, c.width);
        EXPECT_EQ(thumbnail.imageHeight, c.height);
        EXPECT_EQ(thumbnail.image.size(), c.thumbnail) << c.width << " x " << c.height;
    }
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

TEST(LoadThumbnail, SamplePhotosTheDamagedOneAndNoImage)
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

    QTemporaryDir dir;
    const Thumbnail text = LoadThumbnail(WriteFile(dir.filePath("text.jpg"), QByteArray(100, '\0')), 105);
    EXPECT_FALSE(text.sizeKnown);
    EXPECT_TRUE(text.image.isNull());
    EXPECT_FALSE(LoadThumbnail(dir.filePath("missing.jpg"), 105).sizeKnown);
    // A FIFO is never opened: a blocking open would wait for a writer for ever.
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("rohr.jpg")).constData(), 0644), 0);
    EXPECT_FALSE(LoadThumbnail(dir.filePath("rohr.jpg"), 105).sizeKnown);
}

// Qt decodes none of these: the preview is the largest embedded JPEG (CR3),
// libheif's decoding (HEIC, AVIF), or none where the preview lies outside
// the pruned file (DNG) or the file is a video; the size is the real one.
TEST(LoadThumbnail, FilesOfTodaysCameras)
{
    const struct { const char *file; int width, height; bool image; } cases[] = {
        {"Canon-R6-pruned.CR3", 3408, 2272, true}, {"IMG_5195.HEIC", 2566, 3313, true},
        {"avif_exif_xmp.avif", 120, 120, true},    {"IMG_1361.dng", 4032, 3024, false},
        {"small_video.mp4", 0, 0, false}};
    for (const auto &c : cases) {
        const Thumbnail t = LoadThumbnail(QStringLiteral(FOTLEX_FORMATS "/") + QLatin1String(c.file), 105);
        EXPECT_EQ(t.imageWidth, c.width) << c.file;
        EXPECT_EQ(t.imageHeight, c.height) << c.file;
        EXPECT_EQ(!t.image.isNull(), c.image) << c.file;
    }
}
