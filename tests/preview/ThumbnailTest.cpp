#include "preview/Thumbnail.h"

#include "GuiFiles.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QByteArray Jpeg(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    // A white top-left corner shows which way the preview was turned.
    image.fill(colour);
    QPainter(&image).fillRect(0, 0, size.width() / 4, size.height() / 4, Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "JPEG", 100);
    return bytes;
}

QByteArray Number(uint32_t value, int size, bool little)
{
    QByteArray bytes(size, '\0');
    for (int k = 0; k < size; ++k)
        bytes[little ? k : size - 1 - k] = char((value >> (8 * k)) & 0xFF);
    return bytes;
}

QByteArray Segment(uint8_t marker, const QByteArray &data)
{
    return QByteArray(1, '\xFF') + char(marker) + Number(data.size() + 2, 2, false) + data;
}

// A camera's file: a red photo with the orientation and an IFD1 thumbnail
// (little-endian EXIF), and an MPF preview after the photo (big-endian).
QByteArray CameraJpeg(QSize photo, int orientation, QSize thumbnail, QSize large)
{
    const QByteArray thumb = thumbnail.isEmpty() ? QByteArray() : Jpeg(thumbnail, Qt::blue);
    // TIFF: header (8), IFD0 with Orientation (18), IFD1 with the thumbnail's
    // offset and length (30), the thumbnail.
    QByteArray tiff = "II" + Number(42, 2, true) + Number(8, 4, true);
    tiff += Number(1, 2, true) + Number(0x112, 2, true) + Number(3, 2, true) + Number(1, 4, true)
            + Number(orientation, 4, true) + Number(thumb.isEmpty() ? 0 : 26, 4, true);
    if (!thumb.isEmpty())
        tiff += Number(2, 2, true) + Number(0x201, 2, true) + Number(4, 2, true) + Number(1, 4, true)
                + Number(56, 4, true) + Number(0x202, 2, true) + Number(4, 2, true) + Number(1, 4, true)
                + Number(thumb.size(), 4, true) + Number(0, 4, true) + thumb;
    const QByteArray main = Jpeg(photo, Qt::red);
    QByteArray file = QByteArray("\xFF\xD8", 2) + Segment(0xE1, QByteArray("Exif\0\0", 6) + tiff);
    if (large.isEmpty())
        return file + main.mid(2);
    // MPF: header (8), an IFD of one MPEntry (18), two 16-byte entries. The
    // preview carries the photo's orientation in its own EXIF, as cameras write it.
    const QByteArray previewTiff = "II" + Number(42, 2, true) + Number(8, 4, true) + Number(1, 2, true)
                                   + Number(0x112, 2, true) + Number(3, 2, true) + Number(1, 4, true)
                                   + Number(orientation, 4, true) + Number(0, 4, true);
    const QByteArray preview = QByteArray("\xFF\xD8", 2) + Segment(0xE1, QByteArray("Exif\0\0", 6) + previewTiff)
                               + Jpeg(large, Qt::green).mid(2);
    const int mpfLength = 4 + 8 + 18 + 32;
    const int afterMpf = file.size() + 4 + mpfLength;
    QByteArray mpf = "MPF" + QByteArray(1, '\0') + "MM" + Number(42, 2, false) + Number(8, 4, false);
    mpf += Number(1, 2, false) + Number(0xB002, 2, false) + Number(7, 2, false) + Number(32, 4, false)
           + Number(26, 4, false) + Number(0, 4, false);
    const int previewAt = afterMpf + main.size() - 2;
    mpf += Number(0, 4, false) + Number(main.size(), 4, false) + Number(0, 4, false) + Number(0, 4, false);
    mpf += Number(0, 4, false) + Number(preview.size(), 4, false)
           + Number(previewAt - (file.size() + 8), 4, false) + Number(0, 4, false);
    return file + Segment(0xE2, mpf) + main.mid(2) + preview;
}

}

TEST(LoadThumbnail, EmbeddedPreviewOnlyWhenItIsThePhotosAndLargeEnough)
{
    const QColor red(Qt::red), blue(Qt::blue), green(Qt::green);
    // `marked`: where the stored top-left corner ends up.
    const struct {
        const char *what;
        int orientation;
        QSize thumbnail, large, box;
        QColor shown;
        QSize fitted;
        QPoint marked;
    } cases[] = {
        {"3:2 thumbnail", 1, {180, 120}, {}, {133, 105}, blue, {133, 89}, {0, 0}},
        {"letterboxed 4:3", 1, {160, 120}, {}, {133, 105}, red, {133, 89}, {0, 0}},
        {"none", 1, {}, {}, {133, 105}, red, {133, 89}, {0, 0}},
        {"smaller than the box", 1, {90, 60}, {}, {133, 105}, red, {133, 89}, {0, 0}},
        {"stale, turned", 1, {120, 180}, {}, {133, 105}, red, {133, 89}, {0, 0}},
        {"box too big for the thumbnail", 1, {180, 120}, {450, 300}, {266, 210}, green, {266, 177}, {0, 0}},
        {"thumbnail before the larger", 1, {180, 120}, {450, 300}, {133, 105}, blue, {133, 89}, {0, 0}},
        {"turned a quarter clockwise", 6, {180, 120}, {}, {133, 105}, blue, {70, 105}, {69, 0}},
        {"decoded and turned back", 8, {}, {}, {133, 105}, red, {70, 105}, {0, 104}},
        {"preview turned once only", 6, {180, 120}, {450, 300}, {266, 210}, green, {140, 210}, {139, 0}},
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        const QString path =
            WriteFile(dir.filePath("photo.jpg"), CameraJpeg({600, 400}, c.orientation, c.thumbnail, c.large));
        const Thumbnail thumbnail = LoadThumbnail(path, c.box);
        EXPECT_EQ(thumbnail.image.size(), c.fitted) << c.what;
        EXPECT_EQ(thumbnail.embedded, c.shown != red) << c.what;
        const QColor centre = thumbnail.image.pixelColor(c.fitted.width() / 2, c.fitted.height() / 2);
        EXPECT_LT(std::abs(centre.red() - c.shown.red()) + std::abs(centre.green() - c.shown.green())
                      + std::abs(centre.blue() - c.shown.blue()),
                  60)
            << c.what;
        EXPECT_GT(qGray(thumbnail.image.pixel(c.marked)), 150) << c.what;
    }
}

TEST(LoadThumbnail, SamplePhotosTheDamagedOneTransparencyAndNoImage)
{
    const Thumbnail canon = LoadThumbnail(QStringLiteral(FOTLEX_TESTDATA "/Canon_40D.jpg"), {133, 105});
    EXPECT_EQ(canon.image.size(), QSize(133, 90));

    // Transparent parts turn black.
    QTemporaryDir dir;
    QImage clear(50, 40, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    ASSERT_TRUE(clear.save(dir.filePath("clear.png")));
    const Thumbnail transparent = LoadThumbnail(dir.filePath("clear.png"), {50, 40});
    EXPECT_FALSE(transparent.image.hasAlphaChannel());
    EXPECT_EQ(transparent.image.pixel(49, 39), qRgb(0, 0, 0));

    const Thumbnail text = LoadThumbnail(WriteFile(dir.filePath("text.jpg"), QByteArray(100, '\0')), {133, 105});
    EXPECT_TRUE(text.image.isNull());
    EXPECT_TRUE(LoadThumbnail(dir.filePath("missing.jpg"), {133, 105}).image.isNull());
    // A FIFO is never opened: a blocking open would wait for a writer for ever.
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("rohr.jpg")).constData(), 0644), 0);
    EXPECT_TRUE(LoadThumbnail(dir.filePath("rohr.jpg"), {133, 105}).image.isNull());
}

// Qt decodes none of these: the preview is the largest embedded JPEG (CR3),
// libheif's decoding (HEIC, AVIF), or none where the preview lies outside
// the pruned file (DNG) or the file is a video.
TEST(LoadThumbnail, FilesOfTodaysCameras)
{
    const struct { const char *file; bool image; } cases[] = {
        {"Canon-R6-pruned.CR3", true}, {"IMG_5195.HEIC", true}, {"avif_exif_xmp.avif", true},
        {"IMG_1361.dng", false},       {"small_video.mp4", false}};
    for (const auto &c : cases) {
        const Thumbnail t = LoadThumbnail(QStringLiteral(FOTLEX_FORMATS "/") + QLatin1String(c.file), {133, 105});
        EXPECT_EQ(!t.image.isNull(), c.image) << c.file;
    }
}
