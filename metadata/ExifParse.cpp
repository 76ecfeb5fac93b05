#include "metadata/ExifParse.h"

#include "metadata/ExifBytes.h"
#include "metadata/ExifTagNames.h"
#include "metadata/ExifValueText.h"

namespace {

// The entries the summary and the capture time read get their text whatever
// the budget, when they have the type the camera writes: each is then one
// short text or one number, so thousands of them still cost little.
bool isNeeded(int32_t id, int32_t type)
{
    using namespace ExifTagId;
    switch (id) {
    case Model:
    case DateTimeOriginal:
    case SubSecTimeOriginal:
        return type == 2;
    case ExposureTime:
    case FNumber:
    case ApertureValue:
        return type == 5;
    case ShutterSpeedValue:
        return type == 10;
    case ISOSpeedRatings:
        return type == 3;
    default:
        return false;
    }
}

// Enough for any text the summary or the capture time reads, and for the
// number of an offset entry.
constexpr qsizetype kNeededChars = 64;

// Walks one directory after another into the same list. The list's texts
// share one budget of four characters per byte of EXIF data: a 64 KiB block
// whose thousands of entries all claim huge values (or all point at the same
// bytes) still costs a few hundred kilobytes of text. Entries past the budget
// are kept, uncounted in `listed`, with texts only where they are needed.
class DirectoryWalk
{
public:
    DirectoryWalk(const ExifData &data, ExifWalkScope scope, ExifNumberText &numbers, std::vector<ExifTag> &tags)
        : m_data(data), m_scope(scope), m_numbers(numbers), m_tags(tags), m_budget(4 * data.bytes.size())
    {
    }

    size_t listed() const { return m_listed; }

    // Directory layout: a 2-byte entry count, then 12-byte entries of
    // id (2), type (2), count (4), value or offset (4); the offset of the next
    // directory after them is not followed. Returns the number that the entry
    // searchTag holds, or 0.
    int32_t readIfd(int64_t ifdOffset, int32_t searchTag)
    {
        const bool le = m_data.littleEndian;
        int64_t p = m_data.tiffHeader + ifdOffset;
        if (p < 0 || p + 2 > m_data.bytes.size())
            return 0;
        const auto n = static_cast<int64_t>(ReadUnsigned(m_data.bytes, p, 2, le));
        p += 2;
        int32_t result = 0;
        // Entries wholly past the data end the walk: a corrupt count cannot
        // add more than the data holds (at most 5461 in a 64 KiB segment).
        for (int64_t i = 0; i < n && p < m_data.bytes.size(); ++i, p += 12) {
            const auto id = static_cast<int32_t>(ReadUnsigned(m_data.bytes, p, 2, le));
            const auto type = static_cast<int32_t>(ReadUnsigned(m_data.bytes, p + 2, 2, le));
            const bool offsetEntry = id == searchTag && (type == 3 || type == 4);
            const bool needed = offsetEntry || isNeeded(id, type);
            const bool timeEntry = (id == ExifTagId::DateTimeOriginal || id == ExifTagId::SubSecTimeOriginal
                                    || id == ExifTagId::Model) && needed;
            if (m_scope == ExifWalkScope::TimeOnly && !offsetEntry && !timeEntry)
                continue;
            ExifTag &tag = m_tags.emplace_back();
            tag.id = id;
            tag.type = type;
            const double count = ReadUnsigned(m_data.bytes, p + 4, 4, le);
            tag.count = count < 2147483648.0 ? static_cast<int32_t>(count) : 0;
            tag.value = ReadUnsigned(m_data.bytes, p + 8, 4, le);
            // Entries past the budget are never listed: no name or text is
            // made for them, which a hostile block would ask thousands of.
            if (needed || m_budget > 0) {
                tag.name = ExifTagName(id);
                FormatTagValue(m_data, tag, p, m_numbers, needed ? kNeededChars : m_budget);
            }
            if (m_budget > 0) {
                ++m_listed;
                m_budget -= tag.name.size() + tag.text.size() + 4;
            }
            if (offsetEntry) {
                if (const auto number = RoundToInt32(LeadingNumber(tag.text)))
                    result = *number;
            }
        }
        return result;
    }

private:
    const ExifData &m_data;
    ExifWalkScope m_scope;
    ExifNumberText &m_numbers;
    std::vector<ExifTag> &m_tags;
    qsizetype m_budget;
    size_t m_listed = 0;
};

ExifError readError(const QString &description)
{
    return {1, QStringLiteral("ReadMetaInfo"), description};
}

}

ExifParse ParseExif(const ExifBlock &block, ExifWalkScope scope, ExifNumberText &numbers)
{
    ExifParse parse;
    switch (block.outcome) {
    case ExifBlock::Outcome::Missing:
        parse.status = 2;
        parse.error = readError(QStringLiteral("Datei nicht gefunden."));
        return parse;
    case ExifBlock::Outcome::Unreadable:
        parse.status = 2;
        parse.error = readError(QStringLiteral("Datei konnte nicht gelesen werden."));
        return parse;
    case ExifBlock::Outcome::NotFound:
        parse.status = 1;
        return parse;
    case ExifBlock::Outcome::Found:
        break;
    }
    if (!block.values.empty()) {
        parse.tags.emplace_back();
        for (const ContainerValue &value : block.values)
            parse.tags.push_back({value.id, ExifTagName(value.id), 2, int32_t(value.text.size() + 1), 0,
                                  QString::fromLatin1(value.text)});
        parse.listed = block.values.size();
        return parse;
    }

    // TIFF header: "II" (little-endian) or anything else (big-endian),
    // 42 (not checked), 4-byte offset of IFD0.
    const int64_t t = block.tiffHeader;
    const QByteArrayView bytes(block.data);
    const bool intel = t + 2 <= bytes.size() && bytes[t] == 'I' && bytes[t + 1] == 'I';
    parse.intelByteAlignment = intel;
    const double ifd0 = ReadUnsigned(bytes, t + 4, 4, intel);
    if (ifd0 >= 2147483648.0) {
        parse.status = 2;
        parse.error = readError(QStringLiteral("Überlauf"));
        return parse;
    }

    parse.tags.emplace_back();
    const ExifData data{bytes, t, intel};
    DirectoryWalk walk(data, scope, numbers, parse.tags);
    const int32_t exifOffset = walk.readIfd(static_cast<int64_t>(ifd0), ExifTagId::ExifOffset);
    // Without an ExifOffset entry there is no Exif directory; offset 0 would
    // read the TIFF header itself as one.
    if (exifOffset != 0)
        walk.readIfd(exifOffset, ExifTagId::ExifInteroperabilityOffset);
    parse.listed = walk.listed();
    parse.status = 0;
    return parse;
}

const ExifTag *CaptureTimeTag(const std::vector<ExifTag> &tags)
{
    const ExifTag *found = nullptr;
    for (size_t i = 1; i < tags.size(); ++i) {
        const int32_t id = tags[i].id;
        const bool time = id == ExifTagId::DateTimeOriginal || id == ExifTagId::CreateDate
                          || id == ExifTagId::CreationDate;
        if (time && tags[i].type == 2)
            found = &tags[i];
    }
    return found;
}

ExifCaptureStamp CaptureStampFromTags(const std::vector<ExifTag> &tags)
{
    const ExifTag *tag = CaptureTimeTag(tags);
    if (!tag)
        return {};
    ExifCaptureStamp stamp;
    for (size_t i = 1; i < tags.size(); ++i) {
        if (tags[i].id == ExifTagId::Model && tags[i].type == 2)
            stamp.camera = tags[i].text.trimmed();
    }
    stamp.time = CaptureTime::FromExifText(tag->text);
    if (!stamp.time) {
        // Cameras pad the text with blanks; the zero bytes already ended it.
        stamp.text = tag->text;
        while (stamp.text.endsWith(u' '))
            stamp.text.chop(1);
        return stamp;
    }
    for (size_t i = 1; i < tags.size(); ++i) {
        if (tags[i].id == ExifTagId::SubSecTimeOriginal && tags[i].type == 2)
            stamp.time = stamp.time->withSubSeconds(tags[i].text.trimmed());
    }
    return stamp;
}
