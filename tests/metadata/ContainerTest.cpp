#include "tests/support/ExifBuilder.h"
#include "metadata/ByteSource.h"
#include "metadata/ExifParse.h"
#include "metadata/XmpTimes.h"
#include "metadata/EmbeddedPreview.h"
#include "metadata/ExifReader.h"
#include "tests/support/CaptureTimePrinter.h"
#include "tests/support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ctime>

namespace {

const auto be = BigEndian;
const auto box = IsoBoxBytes;

QByteArray fullBox(const char *type, int version, const QByteArray &payload)
{
    return box(type, be(uint32_t(version) << 24, 4) + payload);
}

// A TIFF structure with a Model and a capture time.
QByteArray photoTiff(bool littleEndian)
{
    return ExifBuilder(littleEndian)
        .ascii(ExifBuilder::Ifd0, 272, "CAM1")
        .ascii(ExifBuilder::Exif, 36867, "2021:05:12 12:21:21")
        .tiff();
}

// Canon CR3: IFD0 in CMT1 and the Exif directory as the IFD0 of CMT2, in
// the "uuid" box of "moov".
QByteArray cr3()
{
    const QByteArray uuid("\x85\xc0\xb6\x87\x82\x0f\x11\xe0\x81\x11\xf4\xce\x46\x2b\x6a\x48", 16);
    const QByteArray cmt1 = ExifBuilder(true).ascii(ExifBuilder::Ifd0, 272, "CAM1").tiff();
    const QByteArray cmt2 = ExifBuilder(true).ascii(ExifBuilder::Ifd0, 36867, "2021:05:12 12:21:21").tiff();
    const QByteArray canon = box("uuid", uuid + box("CMT1", cmt1) + box("CMT2", cmt2));
    return box("ftyp", QByteArray("crx ") + be(1, 4) + "crx isom") + box("moov", canon);
}

// Fujifilm RAF: the header points at an embedded JPEG at offset 100.
QByteArray raf()
{
    const QByteArray jpeg = ExifBuilder(false)
                                .ascii(ExifBuilder::Ifd0, 272, "CAM1")
                                .ascii(ExifBuilder::Exif, 36867, "2021:05:12 12:21:21")
                                .jpeg();
    QByteArray header = QByteArray("FUJIFILMCCD-RAW 0201FF129502") + QByteArray(32, 'X') + "0100";
    header += QByteArray(84 - header.size(), '\0') + be(100, 4) + be(jpeg.size(), 4);
    return header + QByteArray(100 - header.size() - 8, '\0') + be(0, 8) + jpeg;
}

QByteArray pngChunk(const char *type, const QByteArray &data)
{
    return be(data.size(), 4) + type + data + be(0, 4);
}

QByteArray png()
{
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", QByteArray(13, '\1')) + pngChunk("eXIf", photoTiff(false))
           + pngChunk("IEND", {});
}

// mvhd version 0 (32-bit times) or 1 (64-bit); seconds since 1904 UTC.
QByteArray mvhd(int version, uint64_t created)
{
    const int size = version == 1 ? 8 : 4;
    return fullBox("mvhd", version, be(created, size) + be(created, size) + QByteArray(88, '\0'));
}

// QuickTime metadata: a plain "meta" box with hdlr, keys and ilst.
QByteArray quickTimeMeta(const QByteArray &creationDate)
{
    const QByteArray key("com.apple.quicktime.creationdate");
    const QByteArray keys = fullBox("keys", 0, be(2, 4) + be(8 + 4, 4) + "mdtaname" + be(8 + key.size(), 4) + "mdta" + key);
    const QByteArray value = box("data", be(1, 4) + be(0, 4) + creationDate);
    const QByteArray ilst = box("ilst", be(8 + value.size(), 4) + be(2, 4) + value);
    return box("meta", fullBox("hdlr", 0, be(0, 4) + "mdta" + QByteArray(13, '\0')) + keys + ilst);
}

// `moovSize` replaces the moov box's true size when given.
QByteArray video(const QByteArray &moovContent, std::optional<uint32_t> moovSize = std::nullopt)
{
    const QByteArray moov = moovSize ? be(*moovSize, 4) + "moov" + moovContent : box("moov", moovContent);
    return box("ftyp", QByteArray("qt  ") + be(0, 4) + "qt  ") + moov;
}

// An Exif item: the offset to the TIFF header, "Exif\0\0" and the TIFF.
QByteArray heifExif()
{
    return be(6, 4) + ExifMark(photoTiff(true));
}

// HEIF of `tiles` image items and then the extra items (type, data; a type
// "mime" is XMP), located by an iloc of `ilocVersion`, an item longer than
// 10 bytes in two extents. From version 2 on, item ids take 4 bytes and the
// infe boxes leave out even the empty name, as some writers do. The primary
// item 1 has a size of 4000 x 3000 and `turns` quarter turns.
QByteArray heifFile(int tiles, const std::vector<std::pair<QByteArray, QByteArray>> &extras, int turns = 0,
                    int ilocVersion = 1)
{
    const int idSize = ilocVersion >= 2 ? 4 : 2;
    QByteArray iinf, mdat;
    std::vector<std::pair<uint32_t, QByteArray>> located;
    for (int i = 1; i <= tiles + int(extras.size()); ++i) {
        const bool extra = i > tiles;
        const QByteArray type = extra ? extras[i - tiles - 1].first : QByteArray("hvc1");
        const QByteArray data = extra ? extras[i - tiles - 1].second : QByteArray(4, 't');
        QByteArray entry = be(i, 2) + be(0, 2) + type + QByteArray(ilocVersion < 2, '\0');
        if (type == "mime")
            entry += QByteArray("application/rdf+xml") + QByteArray(1, '\0');
        iinf += fullBox("infe", 2, entry);
        located.emplace_back(uint32_t(mdat.size()), data);
        mdat += data;
    }
    const QByteArray ipco = box("ipco", fullBox("ispe", 0, be(4000, 4) + be(3000, 4)) + box("irot", QByteArray(1, char(turns))));
    const QByteArray iprp = box("iprp", ipco + fullBox("ipma", 0, be(1, 4) + be(1, 2) + be(2, 1) + be(0x81, 1) + be(2, 1)));
    const QByteArray ftyp = box("ftyp", QByteArray("heic") + be(0, 4) + "mif1heic");
    auto meta = [&](uint32_t dataStart) {
        QByteArray iloc = QByteArray("\x44\x40", 2) + be(located.size(), idSize);
        for (size_t i = 0; i < located.size(); ++i) {
            const auto &[at, data] = located[i];
            iloc += be(i + 1, idSize) + (ilocVersion > 0 ? be(0, 2) : QByteArray()) + be(0, 2) + be(dataStart, 4);
            iloc += data.size() > 10 ? be(2, 2) + be(at, 4) + be(10, 4) + be(at + 10, 4) + be(data.size() - 10, 4)
                                     : be(1, 2) + be(at, 4) + be(data.size(), 4);
        }
        return fullBox("meta", 0, fullBox("hdlr", 0, be(0, 4) + "pict" + QByteArray(13, '\0')) + fullBox("pitm", 0, be(1, 2))
                                      + fullBox("iinf", 0, be(located.size(), 2) + iinf) + fullBox("iloc", ilocVersion, iloc) + iprp);
    };
    const auto dataStart = uint32_t(ftyp.size() + meta(0).size() + 8);
    return ftyp + meta(dataStart) + box("mdat", mdat);
}

// 2021-05-12 10:21:21 UTC, in seconds since 1904.
constexpr uint64_t kMay2021 = 3703659681;

class ContainerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Summer time in Berlin: UTC + 2.
        m_tz = qgetenv("TZ");
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }
    void TearDown() override
    {
        qputenv("TZ", m_tz);
        tzset();
    }

    QTemporaryDir dir;
    QByteArray m_tz;
};

// Each container built by hand yields the capture time (from the file and
// from memory alike) and, where it has EXIF, the Model.
TEST_F(ContainerTest, EachContainerYieldsItsCaptureTime)
{
    const QByteArray tiffLe = photoTiff(true);
    const QByteArray tiffBe = photoTiff(false);
    auto magic = [&](const char *four) { return QByteArray(four, 4) + tiffLe.mid(4); };
    // QuickTime's creation date keeps its offset; the movie header's UTC
    // time comes in the local zone, with its offset.
    const struct { const char *name; QByteArray bytes; const char *time; const char *model; int offset = 0; } cases[] = {
        {"TIFF II", tiffLe, "2021:05:12 12:21:21", "CAM1"},
        {"TIFF MM", tiffBe, "2021:05:12 12:21:21", "CAM1"},
        {"Olympus IIRO", magic("IIRO"), "2021:05:12 12:21:21", "CAM1"},
        {"Olympus IIRS", magic("IIRS"), "2021:05:12 12:21:21", "CAM1"},
        {"Panasonic IIU", magic("IIU\0"), "2021:05:12 12:21:21", "CAM1"},
        {"not TIFF II+", magic("II+\0"), "", nullptr},
        {"RAF", raf(), "2021:05:12 12:21:21", "CAM1"},
        {"PNG eXIf", png(), "2021:05:12 12:21:21", "CAM1"},
        {"HEIF iloc 0", heifFile(1, {{"Exif", heifExif()}}, 0, 0), "2021:05:12 12:21:21", "CAM1"},
        {"HEIF iloc 1", heifFile(1, {{"Exif", heifExif()}}), "2021:05:12 12:21:21", "CAM1"},
        {"HEIF iloc 2", heifFile(1, {{"Exif", heifExif()}}, 0, 2), "2021:05:12 12:21:21", "CAM1"},
        {"CR3", cr3(), "2021:05:12 12:21:21", "CAM1"},
        {"mvhd 0", video(mvhd(0, kMay2021)), "2021:05:12 12:21:21", nullptr, 120},
        {"mvhd 1", video(mvhd(1, kMay2021)), "2021:05:12 12:21:21", nullptr, 120},
        {"mvhd unset", video(mvhd(0, 0)), "", nullptr},
        {"creationdate", video(mvhd(0, kMay2021) + quickTimeMeta("2021-05-12T18:01:02-0500")),
         "2021:05:12 18:01:02", nullptr, -300},
        {"creationdate, no mvhd time", video(mvhd(0, 0) + quickTimeMeta("2021-05-12T18:01:02+0930")),
         "2021:05:12 18:01:02", nullptr, 570},
        {"moov to the end (size 0)", video(mvhd(0, kMay2021), 0), "2021:05:12 12:21:21", nullptr, 120},
        {"moov larger than the file", video(mvhd(0, kMay2021), 4096), "", nullptr}};
    ExifReader reader;
    for (const auto &c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(WriteBytes(path, c.bytes));
        std::optional<CaptureTime> time = CaptureTime::FromExifText(QString::fromLatin1(c.time));
        if (c.offset)
            time = time->withOffsetMinutes(c.offset);
        EXPECT_EQ(ExifReader::ExifTimeOf(path), time) << c.name;
        EXPECT_EQ(ExifReader::ExifTimeOfBytes(c.bytes), time) << c.name;
        reader.setImageFile(path);
        QString model;
        const auto found = reader.MetaInfo(272, model);
        if (c.model)
            EXPECT_EQ(model, QLatin1String(c.model)) << c.name;
        else
            EXPECT_TRUE(std::holds_alternative<ExifError>(found) || model.startsWith(u"Tag ")) << c.name;
    }
}

// The part with the time lies past hundreds of others: only bytes bound
// the walk, never a count of segments, chunks, boxes or items.
TEST_F(ContainerTest, TimesPastManyOtherParts)
{
    QByteArray jpeg("\xFF\xD8", 2);
    for (int i = 0; i < 40; ++i) // ICC profile segments of 60 kB, as an editor inserts them
        jpeg += QByteArray("\xFF\xE2\xEA\x62", 4) + QByteArray(60000, 'i');
    jpeg += ExifBuilder(true).ascii(ExifBuilder::Exif, 36867, "2021:05:12 12:21:21").jpeg().mid(2);
    QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", be(4000, 4) + be(3000, 4) + be(0x08020000, 5));
    for (int i = 0; i < 100; ++i)
        png += pngChunk("IDAT", QByteArray(1500, 'd'));
    png += pngChunk("eXIf", photoTiff(false)) + pngChunk("IEND", {});
    QByteArray boxes;
    for (int i = 0; i < 100; ++i)
        boxes += box("free", QByteArray(1000, '\0'));
    const QByteArray mp4 = box("ftyp", QByteArray("isom") + be(0, 4) + "isom") + boxes + box("moov", mvhd(0, kMay2021));
    const struct { const char *name; QByteArray bytes; std::optional<QSize> size; int offset = 0; } cases[] = {
        {"HEIF, the EXIF item after 299 tiles", heifFile(299, {{"Exif", heifExif()}}, 1), QSize(3000, 4000)},
        {"JPEG, 40 segments before APP1", jpeg, std::nullopt},
        {"PNG, 100 IDAT chunks before eXIf", png, QSize(4000, 3000)},
        {"MP4, 100 free boxes before moov", mp4, std::nullopt, 120}};
    ExifReader reader;
    for (const auto &c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(WriteBytes(path, c.bytes));
        auto time = CaptureTime::FromExifText(u"2021:05:12 12:21:21");
        if (c.offset)
            time = time->withOffsetMinutes(c.offset);
        EXPECT_EQ(ExifReader::ExifTimeOf(path), time) << c.name;
        reader.setImageFile(path);
        EXPECT_EQ(reader.ExifTime(), time) << c.name;
        EXPECT_EQ(reader.ImageSize(), c.size) << c.name;
    }
}

// XMP in each container that keeps it names the time where EXIF has none,
// says so in the list, and never overrules EXIF; a sidecar's bytes read
// the same way.
TEST_F(ContainerTest, XmpTimesInEachContainer)
{
    const QByteArray xmp = XmpPacket("xap:CreateDate='2021-05-12T12:21:21.25+02:00'");
    const QByteArray jpeg = XmpJpeg(xmp);
    const QByteArray itxt = QByteArray("XML:com.adobe.xmp\0\0\0\0\0", 22) + xmp;
    const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("iTXt", itxt) + pngChunk("IEND", {});
    const QByteArray withExif = ExifBuilder(true).ascii(ExifBuilder::Exif, 36867, "2001:01:01 01:01:01").jpeg();
    const auto fromXmp = CaptureTime::FromExifText(u"2021:05:12 12:21:21")->withSubSeconds(u"25"_qs).withOffsetMinutes(120);
    const auto fromExif = CaptureTime::FromExifText(u"2001:01:01 01:01:01");
    const struct { const char *name; QByteArray bytes; std::optional<CaptureTime> time; CaptureSource source; } cases[] = {
        {"JPEG", jpeg, fromXmp, CaptureSource::Xmp},
        {"TIFF", ExifBuilder(true).entry(ExifBuilder::Ifd0, 700, 1, xmp.size(), xmp).tiff(), fromXmp, CaptureSource::Xmp},
        {"PNG", png, fromXmp, CaptureSource::Xmp},
        {"HEIF", heifFile(2, {{"mime", xmp}}), fromXmp, CaptureSource::Xmp},
        {"JPEG with EXIF first", withExif.left(2) + jpeg.mid(2, jpeg.size() - 8) + withExif.mid(2), fromExif,
         CaptureSource::Exif}};
    ExifReader reader;
    for (const auto &c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(WriteBytes(path, c.bytes));
        EXPECT_EQ(ExifReader::ExifTimeOf(path), c.time) << c.name;
        reader.setImageFile(path);
        EXPECT_EQ(reader.Summary().captureTime, c.time) << c.name;
        EXPECT_EQ(reader.Summary().captureSource, c.source) << c.name;
        EXPECT_TRUE(reader.ListInfo().contains(u"XMP-xmp:CreateDate: 2021-05-12T12:21:21.25+02:00\r\n")) << c.name;
    }
    EXPECT_EQ(CaptureTimeOfXmp(xmp), fromXmp);
}

// Which XMP property names the time: the three in their order, attribute
// or element, under any prefix; a date without seconds names none; a packet
// cut off still gives what stood before the cut.
TEST(XmpTest, PropertiesInTheirOrder)
{
    const struct { QByteArray xmp; const char *time; } cases[] = {
        {XmpPacket("xap:CreateDate='2003-01-01T00:00:01' e:DateTimeOriginal='2001-02-03T04:05:06Z'"), "2001:02:03 04:05:06"},
        {XmpPacket("xap:CreateDate='2003-01-01T00:00:01'", "<ps:DateCreated>2002-02-02T02:02:02-05:30</ps:DateCreated>"),
         "2002:02:02 02:02:02"},
        {XmpPacket("ps:DateCreated='2002-02-02' xmlns:q='http://ns.adobe.com/xap/1.0/' q:CreateDate='2003-03-03T03:03:03'"),
         "2003:03:03 03:03:03"},
        {XmpPacket("ps:DateCreated='2002-02-02T02:02' xap:CreateDate='2003-03-03'"), nullptr},
        {XmpPacket("e:DateTimeOriginal='2001-02-03T04:05:06'").left(400), "2001:02:03 04:05:06"},
        {"no XML at all", nullptr}};
    for (const auto &c : cases) {
        const auto time = CaptureTimeOfXmp(c.xmp);
        EXPECT_EQ(time ? time->exifText() : QString(), QLatin1String(c.time)) << c.xmp.toStdString();
    }
    EXPECT_EQ(ParseXmpTime(u"2002-02-02T02:02:02-05:30")->offsetMinutes, -330);
    EXPECT_FALSE(ParseXmpTime(u"2002-02-30T02:02:02"));
}

// ImageMagick keeps a PNG's EXIF as hex digits in a text chunk, compressed
// or not; the offset of the capture time is read and listed.
TEST_F(ContainerTest, RawProfilesAndOffsets)
{
    const QByteArray tiff = ExifBuilder(false)
                                .ascii(ExifBuilder::Exif, 36867, "2021:05:12 12:21:21")
                                .ascii(ExifBuilder::Exif, 36881, "-05:30")
                                .tiff();
    const QByteArray hex = ExifMark(tiff).toHex();
    QByteArray profile = "\nexif\n" + QByteArray::number(hex.size() / 2).rightJustified(8, ' ') + '\n';
    for (qsizetype i = 0; i < hex.size(); i += 72)
        profile += hex.mid(i, 72) + '\n';
    const QByteArray keyword("Raw profile type exif\0", 22);
    const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    const QByteArray pngs[] = {
        signature + pngChunk("tEXt", keyword + profile) + pngChunk("IEND", {}),
        signature + pngChunk("zTXt", keyword + '\0' + qCompress(profile).mid(4)) + pngChunk("IEND", {})};
    ExifReader reader;
    for (const QByteArray &png : pngs) {
        reader.setImageBytes(png);
        EXPECT_EQ(reader.ExifTime(), CaptureTime::FromExifText(u"2021:05:12 12:21:21")->withOffsetMinutes(-330));
        EXPECT_TRUE(reader.ListInfo().contains(u"OffsetTimeOriginal: -05:30\r\n"));
    }
}

// A directory chain that leads back to IFD0, through the next-directory
// offset and through SubIFDs, ends; the preview search finds nothing.
TEST_F(ContainerTest, DirectoryLoopsEnd)
{
    ExifBuilder b(true);
    b.ascii(ExifBuilder::Ifd0, 272, "CAM1").entry(ExifBuilder::Ifd0, 330, 4, 1, b.u32(8));
    QByteArray loop = b.tiff();
    loop.replace(8 + 2 + 2 * 12, 4, b.u32(8));
    EXPECT_EQ(FindEmbeddedPreviewInMemory(loop).length, 0);
    EXPECT_FALSE(ExifReader::ExifTimeOfBytes(loop));
}

// Directories far into a large file, and a video's moov after 5 GB of
// mdat, cost a few reads (both files are sparse).
TEST_F(ContainerTest, DistantDirectoriesAndMetadataAfterLargeMedia)
{
    const QString tiffPath = dir.filePath(QStringLiteral("far.dng"));
    {
        // The Exif directory at 40 MB: one entry whose value follows it.
        const uint32_t far = 40'000'000;
        ExifBuilder b(true);
        b.ascii(ExifBuilder::Ifd0, 272, "CAM1").entry(ExifBuilder::Ifd0, 34665, 4, 1, b.u32(far));
        const QByteArray exif = b.u16(1) + b.u16(36867) + b.u16(2) + b.u32(20) + b.u32(far + 18) + b.u32(0)
                                + QByteArray("2021:05:12 12:21:21", 20);
        QFile file(tiffPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(b.tiff());
        ASSERT_TRUE(file.seek(far));
        file.write(exif);
    }
    EXPECT_EQ(ExifReader::ExifTimeOf(tiffPath), CaptureTime::FromExifText(u"2021:05:12 12:21:21"));

    const QString moviePath = dir.filePath(QStringLiteral("late.mov"));
    {
        const uint64_t mdatSize = 5'000'000'000ULL;
        QFile file(moviePath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(box("ftyp", QByteArray("qt  ") + be(0, 4) + "qt  "));
        const qint64 mdat = file.pos();
        file.write(be(1, 4) + "mdat" + be(mdatSize, 8));
        ASSERT_TRUE(file.seek(mdat + qint64(mdatSize)));
        file.write(box("moov", mvhd(0, kMay2021)));
    }
    EXPECT_EQ(ExifReader::ExifTimeOf(moviePath), CaptureTime::FromExifText(u"2021:05:12 12:21:21")->withOffsetMinutes(120));
}

}

// However large the file, a parse makes kMaxReads reads of its budget's
// bytes; a container's declared metadata raises the bytes, by 4 MiB at most.
TEST(ByteSourceTest, ReadsAndBytesAreBounded)
{
    const QByteArray file(16 * 1024 * 1024, 'x');
    ByteSource scattered = ByteSource::ofMemory(file);
    for (int i = 0; i < ByteSource::kMaxReads; ++i)
        EXPECT_EQ(scattered.at(i * 64 * 1024, 1).size(), 1) << i;
    EXPECT_TRUE(scattered.at(file.size() - 1, 1).isEmpty());
    ByteSource large = ByteSource::ofMemory(file);
    EXPECT_EQ(large.take(0, file.size()).size(), ByteSource::kBaseBytes);
    EXPECT_TRUE(large.at(file.size() - 1, 1).isEmpty());
    large.grant(64 * 1024 * 1024);
    EXPECT_EQ(large.take(0, file.size()).size(), ByteSource::kMaxGrant);
}

// SOI and a baseline frame of 160 x 120.
const QByteArray kSmallJpeg = QByteArray("\xFF\xD8\xFF\xC0\x00\x11\x08\x00\x78\x00\xA0\x03", 12)
                              + QByteArray(9, '\x01') + QByteArray("\xFF\xD9", 2);

// A TIFF's next directory holds its thumbnail; the image size stays the first one's.
TEST(TiffPreviewTest, ThumbnailInTheNextDirectorySizeFromTheFirst)
{
    ExifBuilder b(true);
    b.shorts(ExifBuilder::Ifd0, 256, {4000}).shorts(ExifBuilder::Ifd0, 257, {3000});
    QByteArray tiff = b.tiff();
    const auto ifd1 = uint32_t(tiff.size());
    tiff.replace(8 + 2 + 12 * 2, 4, b.u32(ifd1));
    const uint32_t jpegAt = ifd1 + 2 + 4 * 12 + 4;
    const auto field = [&b](uint16_t id, uint16_t type, uint32_t value) {
        return b.u16(id) + b.u16(type) + b.u32(1) + b.u32(value);
    };
    tiff += b.u16(4) + field(256, 3, 160) + field(257, 3, 120) + field(513, 4, jpegAt)
            + field(514, 4, uint32_t(kSmallJpeg.size())) + b.u32(0) + kSmallJpeg;
    const EmbeddedPreview preview = FindEmbeddedPreviewInMemory(tiff);
    ExifReader reader;
    reader.setImageBytes(tiff);
    EXPECT_EQ(reader.ImageSize(), QSize(4000, 3000));
    EXPECT_EQ(preview.offset, jpegAt);
    EXPECT_EQ(preview.width, 160);
}

// SubIFDs nested deeper than four are not followed, whatever they hold.
TEST(TiffPreviewTest, NestingEndsAtTheFifthLevel)
{
    ExifBuilder b(true);
    const auto field = [&b](uint16_t id, uint32_t value) { return b.u16(id) + b.u16(4) + b.u32(1) + b.u32(value); };
    QByteArray tiff = QByteArray("II", 2) + b.u16(42) + b.u32(8);
    for (int level = 0; level < 5; ++level)
        tiff += b.u16(1) + field(330, uint32_t(tiff.size() + 18)) + b.u32(0);
    const auto jpegAt = uint32_t(tiff.size() + 30);
    tiff += b.u16(2) + field(513, jpegAt) + field(514, uint32_t(kSmallJpeg.size())) + b.u32(0) + kSmallJpeg;
    EXPECT_EQ(FindEmbeddedPreviewInMemory(tiff).length, 0);
}
