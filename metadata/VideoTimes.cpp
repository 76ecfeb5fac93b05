#include "metadata/VideoTimes.h"

#include "metadata/ExifTagNames.h"
#include "metadata/XmpTimes.h"

#include <QDateTime>

namespace {

constexpr int64_t kMaxKeysSize = 64 * 1024;
constexpr int64_t kMaxValueSize = 256;
// Seconds from 1904-01-01 to 1970-01-01, both UTC.
constexpr int64_t kSeconds1904To1970 = 2082844800;
constexpr QByteArrayView kCreationDateKey("com.apple.quicktime.creationdate");

// mvhd: version (1), flags (3), creation time in seconds since 1904 UTC:
// 4 bytes in version 0, 8 in version 1. 0 means unset.
std::optional<QByteArray> movieHeaderTime(ByteSource &source, const IsoBox &mvhd)
{
    const QByteArrayView bytes = source.at(mvhd.payload, std::min<int64_t>(12, mvhd.payloadSize()));
    if (bytes.size() < 8)
        return std::nullopt;
    const bool wide = bytes[0] == 1;
    if (wide && bytes.size() < 12)
        return std::nullopt;
    const uint64_t seconds = ReadBigEndian(bytes, 4, wide ? 8 : 4);
    // Up to the year 9999; anything later is junk.
    if (seconds == 0 || seconds > 255000000000ULL)
        return std::nullopt;
    const QDateTime utc = QDateTime::fromSecsSinceEpoch(int64_t(seconds) - kSeconds1904To1970, Qt::UTC);
    return utc.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'")).toLatin1();
}

// "YYYY-MM-DDTHH:MM:SS", a fraction and the offset, kept as written: the
// clock names the file, the offset goes with it.
std::optional<QByteArray> isoTime(QByteArrayView text)
{
    QByteArray time = text.toByteArray().trimmed();
    if (!ParseXmpTime(QString::fromLatin1(time)))
        return std::nullopt;
    return time;
}

// QuickTime metadata: a "meta" box (in "moov", or in "moov/udta") with
// "keys" and "ilst". QuickTime's meta is a plain box, MP4's a full box: the
// first child's type ("hdlr") tells which. keys: version and flags (4), count
// (4), then per key its size (4, header included), namespace (4) and name.
// ilst: one box per value, typed with the key's 1-based index, holding a
// "data" box: type (4), locale (4), value.
std::optional<QByteArray> quickTimeCreationDate(ByteSource &source, const IsoBox &meta)
{
    const QByteArrayView peek = source.at(meta.payload, std::min<int64_t>(8, meta.payloadSize()));
    const int64_t skip = peek.sliced(std::min<qsizetype>(4, peek.size())).startsWith("hdlr") ? 0 : 4;
    const std::vector<IsoBox> children = ReadChildren(source, meta, skip);
    const auto keys = FindBox(children, FourCc("keys"));
    const auto ilst = FindBox(children, FourCc("ilst"));
    if (!keys || !ilst)
        return std::nullopt;
    const QByteArray keyBytes = BoxPayload(source, *keys, kMaxKeysSize);
    uint32_t wanted = 0;
    int64_t pos = 8;
    for (uint32_t index = 1; pos + 8 <= keyBytes.size(); ++index) {
        const auto size = int64_t(ReadBigEndian(keyBytes, pos, 4));
        if (size < 8 || size > keyBytes.size() - pos)
            break;
        if (QByteArrayView(keyBytes).sliced(pos + 8, size - 8) == kCreationDateKey) {
            wanted = index;
            break;
        }
        pos += size;
    }
    if (wanted == 0)
        return std::nullopt;
    for (const IsoBox &item : ReadChildren(source, *ilst)) {
        if (item.type != wanted)
            continue;
        for (const IsoBox &data : ReadChildren(source, item)) {
            const QByteArray value = data.type == FourCc("data") ? BoxPayload(source, data, kMaxValueSize) : QByteArray();
            if (value.size() > 8)
                return isoTime(QByteArrayView(value).sliced(8));
        }
    }
    return std::nullopt;
}

}

std::vector<ContainerValue> ReadVideoTimes(ByteSource &source, const std::vector<IsoBox> &children)
{
    std::vector<ContainerValue> values;
    if (const auto mvhd = FindBox(children, FourCc("mvhd"))) {
        if (auto time = movieHeaderTime(source, *mvhd))
            values.push_back({ExifTagId::CreateDate, std::move(*time)});
    }
    std::optional<IsoBox> meta = FindBox(children, FourCc("meta"));
    if (!meta) {
        if (const auto udta = FindBox(children, FourCc("udta")))
            meta = FindBox(ReadChildren(source, *udta), FourCc("meta"));
    }
    if (meta) {
        if (auto time = quickTimeCreationDate(source, *meta))
            values.push_back({ExifTagId::CreationDate, std::move(*time)});
    }
    return values;
}
