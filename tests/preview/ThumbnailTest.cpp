#include "preview/Thumbnail.h"

#include "GuiFiles.h"
#include "tests/support/ExifBuilder.h"

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

QByteArray Segment(uint8_t marker, const QByteArray &data)
{
    return QByteArray(1, '\xFF') + char(marker) + BigEndian(data.size() + 2, 2) + data;
}

// A camera's file: a red photo with the orientation and an IFD1 thumbnail
// (little-endian EXIF), and an MPF preview after the photo (big-endian).
QByteArray CameraJpeg(QSize photo, int orientation, QSize thumbnail, QSize large)
{
    const ExifBuilder le(true);
    const auto be = BigEndian;
    // TIFF: header and IFD0 with the orientation (26), then IFD1 with the
    // thumbnail's offset and length (30), the thumbnail.
    const QByteArray oriented = ExifBuilder(true).shorts(ExifBuilder::Ifd0, 0x112, {uint16_t(orientation)}).tiff();
    QByteArray tiff = oriented;
    if (!thumbnail.isEmpty()) {
        const QByteArray thumb = Jpeg(thumbnail, Qt::blue);
        tiff.replace(22, 4, le.u32(26));
        tiff += le.u16(2) + le.u16(0x201) + le.u16(4) + le.u32(1) + le.u32(56) + le.u16(0x202) + le.u16(4) + le.u32(1)
                + le.u32(thumb.size()) + le.u32(0) + thumb;
    }
    const QByteArray main = Jpeg(photo, Qt::red);
    const QByteArray file = QByteArray("\xFF\xD8", 2) + Segment(0xE1, ExifMark(tiff));
    if (large.isEmpty())
        return file + main.mid(2);
    // MPF: header (8), an IFD of one MPEntry (18), two 16-byte entries. The
    // preview carries the photo's orientation in its own EXIF, as cameras write it.
    const QByteArray preview = QByteArray("\xFF\xD8", 2) + Segment(0xE1, ExifMark(oriented)) + Jpeg(large, Qt::green).mid(2);
    const int previewAt = file.size() + 4 + 4 + 8 + 18 + 32 + main.size() - 2;
    const QByteArray mpf = QByteArray("MPF\0MM", 6) + be(42, 2) + be(8, 4) + be(1, 2) + be(0xB002, 2) + be(7, 2)
                           + be(32, 4) + be(26, 4) + be(0, 4) + be(0, 4) + be(main.size(), 4) + be(0, 8) + be(0, 4)
                           + be(preview.size(), 4) + be(previewAt - (file.size() + 8), 4) + be(0, 4);
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
        {"mirrored", 2, {}, {}, {133, 105}, red, {133, 89}, {132, 0}},
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

// Sample photos, a damaged file, a missing one, a FIFO (never opened: a
// blocking open would wait for a writer for ever) and the files of today's
// cameras, which Qt does not decode: the preview is the largest embedded
// JPEG (CR3), libheif's decoding (HEIC, AVIF), or none where the preview
// lies outside the pruned file (DNG) or the file is a video. Transparent
// parts turn black.
TEST(LoadThumbnail, WhatEachFileShows)
{
    QTemporaryDir dir;
    QImage clear(50, 40, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    ASSERT_TRUE(clear.save(dir.filePath("clear.png")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("rohr.jpg")).constData(), 0644), 0);
    const QString formats = QStringLiteral(FOTLEX_FORMATS "/");
    const QSize none(0, 0);
    const struct { QString path; QSize size; } cases[] = {
        {QStringLiteral(FOTLEX_TESTDATA "/Canon_40D.jpg"), {133, 90}},
        {dir.filePath("clear.png"), {131, 105}},
        {WriteFile(dir.filePath("text.jpg"), QByteArray(100, '\0')), none},
        {dir.filePath("missing.jpg"), none},
        {dir.filePath("rohr.jpg"), none},
        {formats + "Canon-R6-pruned.CR3", {133, 89}},
        {formats + "IMG_5195.HEIC", {81, 105}},
        {formats + "avif_exif_xmp.avif", {105, 105}},
        {formats + "IMG_1361.dng", none},
        {formats + "small_video.mp4", none}};
    for (const auto &c : cases) {
        const Thumbnail t = LoadThumbnail(c.path, {133, 105});
        EXPECT_EQ(t.image.size(), c.size) << c.path.toStdString();
        EXPECT_FALSE(t.image.hasAlphaChannel()) << c.path.toStdString();
    }
    EXPECT_EQ(LoadThumbnail(dir.filePath("clear.png"), {133, 105}).image.pixel(130, 104), qRgb(0, 0, 0));
}
