#include "metadata/ExifParse.h"

#include "metadata/ExifBytes.h"
#include "metadata/ExifTagNames.h"
#include "metadata/ExifValueText.h"
#include "metadata/GpsPosition.h"
#include "metadata/ReaderTexts.h"
#include "metadata/TiffFile.h"
#include "metadata/XmpTimes.h"

namespace {

// The entries the summary and the capture time read get their text whatever
// the budget, when they have the type the camera writes: each is then one
// short text or one number, so thousands of them still cost little.
bool isNeeded(int32_t id, int32_t type)
{
    using namespace ExifTagId;
    switch (id) {
    case Make:
    case Model:
    case DateTimeOriginal:
    case SubSecTimeOriginal:
    case OffsetTimeOriginal:
    case OffsetTime:
        return type == 2;
    case Orientation:
        return type == 3;
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

// Enough for any text the summary or the capture time reads.
constexpr qsizetype kNeededChars = kCaptureTimeChars;

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

    // Appends the entries of the directory at `ifdOffset` from the TIFF
    // header (the offset of its next directory is not followed) and returns
    // the directory as read.
    TiffDirectory readIfd(int64_t ifdOffset, bool gps = false)
    {
        TiffDirectory dir = ParseTiffDirectory(m_data.bytes, m_data.tiffHeader + ifdOffset, m_data.littleEndian);
        for (const TiffEntry &e : dir.entries) {
            const bool needed = !gps && isNeeded(e.id, e.type);
            if (m_scope == ExifWalkScope::TimeOnly && !(needed && IsTimeRoadTag(e.id)))
                continue;
            ExifTag &tag = m_tags.emplace_back();
            tag.id = e.id;
            tag.type = e.type;
            tag.count = e.count < 2147483648u ? int32_t(e.count) : 0;
            tag.value = e.field;
            tag.gps = gps;
            // Entries past the budget are never listed: no name or text is
            // made for them, which a hostile block would ask thousands of.
            if (needed || m_budget > 0) {
                tag.name = ExifTagName(e.id, gps);
                FormatTagValue(m_data, tag, e.at, m_numbers, needed ? kNeededChars : m_budget);
            }
            if (m_budget > 0) {
                ++m_listed;
                m_budget -= tag.name.size() + tag.text.size() + 4;
            }
        }
        return dir;
    }

    // The GPS directory's entries, and after them its position in degrees.
    std::optional<GpsPosition> readGps(int64_t ifdOffset)
    {
        const TiffDirectory dir = readIfd(ifdOffset, true);
        const auto position = ReadGpsPosition(m_data, dir);
        if (position) {
            m_tags.push_back({ExifTagId::GpsPosition, ExifTagName(ExifTagId::GpsPosition), 2, 0, 0,
                              ReaderTexts::GpsPositionText(*position)});
            if (m_budget > 0)
                ++m_listed;
        }
        return position;
    }

private:
    const ExifData &m_data;
    ExifWalkScope m_scope;
    ExifNumberText &m_numbers;
    std::vector<ExifTag> &m_tags;
    qsizetype m_budget;
    size_t m_listed = 0;
};

ExifParse parseBlock(const ExifBlock &block, ExifWalkScope scope, ExifNumberText &numbers)
{
    ExifParse parse;
    switch (block.outcome) {
    case ExifBlock::Outcome::Missing:
    case ExifBlock::Outcome::Empty:
    case ExifBlock::Outcome::Unreadable:
        parse.status = 2;
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
    const double ifd0 = ReadUnsigned(bytes, t + 4, 4, intel);
    if (ifd0 >= 2147483648.0) {
        parse.status = 2;
        return parse;
    }

    parse.tags.emplace_back();
    const ExifData data{bytes, t, intel};
    DirectoryWalk walk(data, scope, numbers, parse.tags);
    const TiffDirectory ifd0Dir = walk.readIfd(static_cast<int64_t>(ifd0));
    if (const TiffEntry *e = FindEntry(ifd0Dir, ExifTagId::Orientation); e && e->type == 3) {
        const uint32_t value = e->number(intel);
        if (value >= 1 && value <= 8)
            parse.orientation = int(value);
    }
    // Without a link there is no such directory; offset 0 would read the
    // TIFF header itself as one.
    if (const uint32_t exif = SubDirectoryOffset(ifd0Dir, ExifTagId::ExifOffset, intel))
        walk.readIfd(exif);
    if (scope == ExifWalkScope::AllEntries) {
        if (const uint32_t gps = SubDirectoryOffset(ifd0Dir, ExifTagId::GpsInfo, intel))
            parse.gps = walk.readGps(gps);
    }
    parse.listed = walk.listed();
    parse.status = 0;
    return parse;
}

}

ExifParse ParseExif(const ExifBlock &block, ExifWalkScope scope, ExifNumberText &numbers)
{
    ExifParse parse = parseBlock(block, scope, numbers);
    const std::vector<XmpTimeValue> times = ReadXmpTimes(block.xmp);
    if (times.empty() || parse.status == 2)
        return parse;
    if (parse.status == 1) {
        parse.status = 0;
        parse.tags.assign(1, ExifTag{});
    }
    const bool allListed = parse.listed + 1 == parse.tags.size();
    for (const XmpTimeValue &time : times) {
        const int32_t id = ExifTagId::XmpDateTimeOriginal + int32_t(time.property);
        parse.tags.push_back({id, ExifTagName(id), 2, int32_t(time.text.size() + 1), 0, time.text});
    }
    if (allListed)
        parse.listed = parse.tags.size() - 1;
    return parse;
}

namespace {

// The rank of an entry as a capture time, 0 first; nothing for entries
// that are none.
std::optional<int> captureRank(const ExifTag &tag)
{
    using namespace ExifTagId;
    if (tag.type != 2 || tag.gps)
        return std::nullopt;
    switch (tag.id) {
    case DateTimeOriginal: return 0;
    case CreationDate: return ParseXmpTime(tag.text) ? std::optional(1) : std::nullopt;
    case CreateDate: return ParseXmpTime(tag.text) ? std::optional(2) : std::nullopt;
    case XmpDateTimeOriginal:
    case XmpDateCreated:
    case XmpCreateDate:
        if (!ParseXmpTime(tag.text))
            return std::nullopt;
        return 3 + tag.id - XmpDateTimeOriginal;
    default: return std::nullopt;
    }
}

}

const ExifTag *CaptureTimeTag(const std::vector<ExifTag> &tags)
{
    const ExifTag *found = nullptr;
    int foundRank = 0;
    for (size_t i = 1; i < tags.size(); ++i) {
        const auto rank = captureRank(tags[i]);
        if (rank && (!found || *rank <= foundRank)) {
            found = &tags[i];
            foundRank = *rank;
        }
    }
    return found;
}

CaptureSource CaptureSourceOf(const ExifTag &tag)
{
    switch (tag.id) {
    case ExifTagId::CreationDate: return CaptureSource::QuickTime;
    case ExifTagId::CreateDate: return CaptureSource::Mvhd;
    case ExifTagId::XmpDateTimeOriginal:
    case ExifTagId::XmpDateCreated:
    case ExifTagId::XmpCreateDate: return CaptureSource::Xmp;
    default: return CaptureSource::Exif;
    }
}

bool HoldsCaptureTime(const ExifBlock &block)
{
    ExifNumberText numbers;
    return CaptureTimeTag(parseBlock(block, ExifWalkScope::TimeOnly, numbers).tags) != nullptr;
}

std::optional<int> CaptureOffsetFromTags(const std::vector<ExifTag> &tags)
{
    std::optional<int> original, other;
    for (size_t i = 1; i < tags.size(); ++i) {
        if (tags[i].type != 2 || tags[i].gps)
            continue;
        if (tags[i].id == ExifTagId::OffsetTimeOriginal)
            original = ParseUtcOffset(tags[i].text);
        else if (tags[i].id == ExifTagId::OffsetTime)
            other = ParseUtcOffset(tags[i].text);
    }
    return original ? original : other;
}

ExifCaptureStamp CaptureStampFromTags(const std::vector<ExifTag> &tags)
{
    const ExifTag *tag = CaptureTimeTag(tags);
    if (!tag)
        return {};
    ExifCaptureStamp stamp;
    for (const ExifTag &t : tags) {
        if (t.id == ExifTagId::Model && t.type == 2 && !t.gps)
            stamp.camera = t.text.trimmed();
        else if (t.id == ExifTagId::Make && t.type == 2 && !t.gps)
            stamp.make = t.text.trimmed();
    }
    stamp.source = CaptureSourceOf(*tag);
    if (stamp.source != CaptureSource::Exif) {
        stamp.time = ParseXmpTime(tag->text)->captureTime();
        // The movie header's time is UTC: the file is named in the local
        // time of the computer, as the clock of the place it was taken is
        // not known.
        if (stamp.source == CaptureSource::Mvhd)
            stamp.time = CaptureTime::InLocalZone(stamp.time->instant());
        return stamp;
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
        if (tags[i].id == ExifTagId::SubSecTimeOriginal && tags[i].type == 2 && !tags[i].gps)
            stamp.time = stamp.time->withSubSeconds(tags[i].text.trimmed());
    }
    if (const auto offset = CaptureOffsetFromTags(tags))
        stamp.time = stamp.time->withOffsetMinutes(*offset);
    return stamp;
}
