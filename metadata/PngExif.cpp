#include "metadata/ByteSource.h"
#include "metadata/ContainerExif.h"
#include "metadata/ExifParse.h"
#include "metadata/ImageGeometry.h"
#include "metadata/TiffFile.h"

#include <zlib.h>

#include <functional>

namespace {

constexpr QByteArrayView kPngSignature("\x89PNG\r\n\x1a\n");
constexpr QByteArrayView kExifHeader("Exif\0\0", 6);
// ImageMagick writes a profile as hex digits in a text chunk of this name.
constexpr QByteArrayView kRawExifKeyword("Raw profile type exif");
constexpr QByteArrayView kXmpKeyword("XML:com.adobe.xmp");
// A hex-encoded EXIF block of the reader's budget, with its line breaks.
constexpr int64_t kMaxProfileText = 2 * ByteSource::kBaseBytes + ByteSource::kBaseBytes / 16;

struct Chunk
{
    QByteArrayView type;
    int64_t data = 0;
    int64_t length = 0;
};

// After the signature, chunks of length (4, big-endian), type (4), data and
// CRC (4), up to "IEND"; each skipped by its length.
void walkChunks(ByteSource &source, const std::function<bool(const Chunk &)> &visit)
{
    int64_t pos = kPngSignature.size();
    for (;;) {
        const QByteArrayView head = source.at(pos, 8);
        if (head.size() < 8 || head.sliced(4, 4) == "IEND")
            return;
        const auto length = int64_t(ReadBigEndian(head, 0, 4));
        if (!visit({head.sliced(4, 4), pos + 8, length}))
            return;
        pos += 12 + length;
    }
}

// At most `limit` bytes of a zlib stream; nothing when it is broken.
QByteArray inflated(QByteArrayView compressed, int64_t limit)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return {};
    QByteArray out(limit, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(compressed.data()));
    stream.avail_in = uInt(compressed.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(limit);
    const int result = inflate(&stream, Z_FINISH);
    out.truncate(qsizetype(stream.total_out));
    inflateEnd(&stream);
    return result == Z_STREAM_END || result == Z_BUF_ERROR || result == Z_OK ? out : QByteArray();
}

// The text of a tEXt, zTXt or iTXt chunk with this keyword, or nothing.
// tEXt: keyword, 0, text. zTXt: keyword, 0, method (0: zlib), compressed
// text. iTXt: keyword, 0, compression flag, method, language tag, 0,
// translated keyword, 0, text (compressed when the flag is 1).
std::optional<QByteArray> chunkText(ByteSource &source, const Chunk &chunk, QByteArrayView keyword, int64_t limit)
{
    const bool zTxt = chunk.type == "zTXt", iTxt = chunk.type == "iTXt";
    if (chunk.type != "tEXt" && !zTxt && !iTxt)
        return std::nullopt;
    const QByteArrayView start = source.at(chunk.data, keyword.size() + 1);
    if (start.size() < keyword.size() + 1 || !start.startsWith(keyword) || start[keyword.size()] != '\0')
        return std::nullopt;
    const QByteArray data = source.take(chunk.data, std::min(chunk.length, limit));
    int64_t text = keyword.size() + 1;
    bool compressed = zTxt;
    if (zTxt) {
        text += 1;
    } else if (iTxt) {
        compressed = data.size() > text && data.at(qsizetype(text)) == 1;
        text += 2;
        for (int skip = 0; skip < 2 && text <= data.size(); ++skip) {
            const qsizetype zero = data.indexOf('\0', text);
            text = zero < 0 ? data.size() + 1 : zero + 1;
        }
    }
    if (text > data.size())
        return std::nullopt;
    const QByteArrayView body = QByteArrayView(data).sliced(text);
    return compressed ? inflated(body, limit) : body.toByteArray();
}

// "\nexif\n", the profile's length in decimal, then its bytes as hex digits
// broken into lines.
QByteArray rawProfile(QByteArrayView text)
{
    qsizetype pos = 0;
    auto skipBlanks = [&] {
        while (pos < text.size() && (text[pos] == '\n' || text[pos] == ' ' || text[pos] == '\r'))
            ++pos;
    };
    skipBlanks();
    while (pos < text.size() && text[pos] != '\n')
        ++pos;
    skipBlanks();
    int64_t length = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && length < ByteSource::kBaseBytes)
        length = length * 10 + (text[pos++] - '0');
    QByteArray bytes;
    int high = -1;
    for (; pos < text.size() && bytes.size() < length; ++pos) {
        const int digit = QByteArrayView("0123456789abcdef").indexOf(char(text[pos] | 0x20));
        if (digit < 0)
            continue;
        if (high < 0) {
            high = digit;
        } else {
            bytes += char(high << 4 | digit);
            high = -1;
        }
    }
    return bytes;
}

// An EXIF block of a PNG: a TIFF structure, "Exif\0\0" before it or not.
ExifBlock tiffBlock(QByteArray data)
{
    const int64_t tiff = data.startsWith(kExifHeader) ? kExifHeader.size() : 0;
    if (!IsTiffHeader(QByteArrayView(data).sliced(std::min<int64_t>(tiff, data.size()))))
        return {};
    return ExifBlock::Found(std::move(data), tiff);
}

}

bool IsPng(QByteArrayView head)
{
    return head.startsWith(kPngSignature);
}

namespace {

// The chunks of the reader, found in one walk; with untilExif it ends at
// the "eXIf" chunk.
struct PngParts
{
    std::optional<Chunk> exif;
    QByteArray profile;
    QByteArray xmp;
};

PngParts findParts(ByteSource &source, bool untilExif)
{
    PngParts parts;
    walkChunks(source, [&](const Chunk &chunk) {
        if (chunk.type == "eXIf" && !parts.exif)
            parts.exif = chunk;
        else if (parts.profile.isEmpty())
            parts.profile = chunkText(source, chunk, kRawExifKeyword, kMaxProfileText).value_or(QByteArray());
        if (parts.xmp.isEmpty())
            parts.xmp = chunkText(source, chunk, kXmpKeyword, kMaxXmpBytes).value_or(QByteArray());
        return !(untilExif && parts.exif);
    });
    return parts;
}

ExifBlock exifOf(ByteSource &source, const PngParts &parts)
{
    if (parts.exif)
        return tiffBlock(source.take(parts.exif->data, std::min(parts.exif->length, ByteSource::kBaseBytes)));
    return parts.profile.isEmpty() ? ExifBlock{} : tiffBlock(rawProfile(parts.profile));
}

}

ExifBlock ReadPng(ByteSource &source, QByteArrayView head, ExifWalkScope scope)
{
    const bool all = scope == ExifWalkScope::AllEntries;
    PngParts parts = findParts(source, !all);
    ExifBlock block = exifOf(source, parts);
    if (!all && !HoldsCaptureTime(block))
        parts = findParts(source, false);
    if (all || !HoldsCaptureTime(block))
        block.xmp = parts.xmp;
    if (all)
        block.geometry = ReadImageGeometry(source, head);
    return block;
}
