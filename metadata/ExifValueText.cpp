#include "metadata/ExifValueText.h"

#include "metadata/ExifBytes.h"
#include "metadata/ExifTagNames.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::array<int, 13> kTypeSizes{0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};

enum Type : int32_t {
    Ascii = 2,
    Rational = 5,
    SByte = 6,
    Undefined = 7,
    SShort = 8,
    SLong = 9,
    SRational = 10,
};

// One rational in the first 8 bytes of `bytes`; missing bytes count as 0.
struct RationalValue
{
    double numerator = 0;
    double denominator = 0;

    std::optional<double> quotient() const
    {
        if (denominator == 0)
            return std::nullopt;
        return numerator / denominator;
    }
};

RationalValue readRational(QByteArrayView bytes, bool littleEndian, bool isSigned)
{
    const auto read = isSigned ? ReadSigned : ReadUnsigned;
    return {read(bytes, 0, 4, littleEndian), read(bytes, 4, 4, littleEndian)};
}

QString rationalText(const RationalValue &r, ExifNumberText &numbers)
{
    return numbers.Decimal(r.numerator) + u'/' + numbers.Decimal(r.denominator);
}

// The bytes of the entry's value: inside the entry when they fit in 4 bytes,
// otherwise at the offset the entry holds. Cut off at the end of the data.
QByteArrayView valueBytes(const ExifData &data, const ExifTag &tag, int64_t entryPosition, int size)
{
    const int64_t total = int64_t(size) * tag.count;
    int64_t start = entryPosition + 8;
    int64_t length = 4;
    if (total > 4) {
        start = data.tiffHeader + int64_t(tag.value);
        length = total;
    }
    if (start < 0 || start >= data.bytes.size())
        return {};
    return data.bytes.sliced(start, std::min<int64_t>(length, data.bytes.size() - start));
}

QString latin1(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes);
}

bool isControl(char c)
{
    const auto u = static_cast<uint8_t>(c);
    return u < 32 || u == 127;
}

// An ASCII value ends at its first zero byte; a control character inside
// (a line break in a camera name) becomes a blank so the list keeps one line
// per tag, and the blanks cameras pad their texts with go.
QString asciiText(QByteArrayView bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    QString text = latin1(end < 0 ? bytes : bytes.first(end));
    for (QChar &c : text) {
        if (isControl(char(c.unicode())))
            c = u' ';
    }
    qsizetype kept = text.size();
    while (kept > 0 && text.at(kept - 1) == u' ')
        --kept;
    text.truncate(kept);
    return text;
}

QString sizeText(const ExifTag &tag)
{
    return QStringLiteral("(%1 Bytes)").arg(tag.count);
}

// Binary data (PrintIM, a thumbnail, a maker's block) has no text: its size
// stands for it. Zero bytes are padding and do not count as binary.
QString undefinedBytesText(QByteArrayView bytes, const ExifTag &tag)
{
    const bool binary = std::any_of(bytes.begin(), bytes.end(), [](char c) { return c != 0 && isControl(c); });
    if (binary)
        return sizeText(tag);
    QString text = latin1(bytes);
    text.remove(QChar(0));
    return text;
}

// Several rationals: "q1/q2/..." with three decimals each. An element without
// a quotient (denominator 0, or cut off by the end of the data) stays empty.
QString rationalList(QByteArrayView bytes, const ExifTag &tag, bool littleEndian, bool isSigned,
                     ExifNumberText &numbers, qsizetype maxChars)
{
    const int64_t present = (bytes.size() + 7) / 8;
    const int64_t elements = std::min<int64_t>(tag.count, present);
    QString text;
    for (int64_t i = 0; i < elements && text.size() < maxChars; ++i) {
        if (i > 0)
            text += u'/';
        const auto q = readRational(bytes.sliced(i * 8), littleEndian, isSigned).quotient();
        if (q)
            numbers.AppendFixed(text, *q, 3);
    }
    return text;
}

// How the ids that show one number turn the quotient of their first
// rational into text; null for every other id.
using QuotientText = QString (*)(double q, ExifNumberText &numbers);

QuotientText oneNumberRule(int32_t id, bool isSigned)
{
    using namespace ExifTagId;
    if (isSigned) {
        switch (id) {
        case ShutterSpeedValue: // APEX time value; 2^q is the exposure time's denominator
            return [](double q, ExifNumberText &n) { return n.Fixed(std::exp2(q), 0); };
        case ExposureBiasValue:
            return [](double q, ExifNumberText &n) { return n.Fixed(q, 1); };
        default:
            return nullptr;
        }
    }
    switch (id) {
    case ExposureTime:
        return [](double q, ExifNumberText &n) { return q == 0 ? QString() : n.Exposure(q); };
    case FNumber:
    case XResolution:
    case YResolution:
    case SubjectDistance:
    case FocalLength:
    case FocalPlaneXResolution:
    case FocalPlaneYResolution:
        return [](double q, ExifNumberText &n) { return n.Fixed(q, 1); };
    case ApertureValue: // APEX aperture value; sqrt(2)^q is the f-number
    case MaxApertureValue:
        return [](double q, ExifNumberText &n) { return n.Fixed(std::pow(std::sqrt(2.0), q), 1); };
    default:
        return nullptr;
    }
}

QString rationalValueText(QByteArrayView bytes, ExifTag &tag, bool littleEndian, bool isSigned,
                          ExifNumberText &numbers, qsizetype maxChars)
{
    const RationalValue r = readRational(bytes, littleEndian, isSigned);
    const auto q = r.quotient();
    if (const QuotientText rule = oneNumberRule(tag.id, isSigned)) {
        if (!q)
            return {};
        tag.value = *q;
        return rule(*q, numbers);
    }
    if (tag.count >= 2)
        return rationalList(bytes, tag, littleEndian, isSigned, numbers, maxChars);
    if (q)
        tag.value = *q;
    return rationalText(r, numbers);
}

QString undefinedText(QByteArrayView bytes, const ExifTag &tag, ExifNumberText &numbers)
{
    using namespace ExifTagId;
    switch (tag.id) {
    case MakerNote: {
        // Most maker notes are a maker's binary directory; a few are text.
        const bool text = std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == 0 || !isControl(c); })
                          && std::none_of(bytes.begin(), bytes.end(), [](char c) { return uint8_t(c) > 126; });
        return text ? PrintableText(bytes) : sizeText(tag);
    }
    case ExifVersion:
    case FlashPixVersion: {
        // Four digits "0220" stand for version 2.20.
        const QString digits = latin1(bytes);
        return numbers.Decimal(LeadingNumber(digits.left(2))) + u'.' + digits.right(2);
    }
    case ComponentsConfiguration: {
        static const std::array<QStringView, 7> kComponents{u"", u"Y", u"Cb", u"Cr", u"R", u"G", u"B"};
        QString text;
        for (const char code : bytes.first(std::min<qsizetype>(4, bytes.size()))) {
            const auto c = static_cast<uint8_t>(code);
            if (c < kComponents.size())
                text += kComponents[c];
        }
        return text;
    }
    case FileSource:
    case SceneType:
        return numbers.Decimal(ReadUnsigned(bytes, 0, 1, false));
    default:
        return undefinedBytesText(bytes, tag);
    }
}

}

int ExifTypeSize(int32_t type)
{
    if (type < 0 || type >= int32_t(kTypeSizes.size()))
        return -1;
    return kTypeSizes[type];
}

QString PrintableText(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        const auto c = static_cast<uint8_t>(b);
        if (c >= 32 && c <= 126)
            text += QChar(c);
    }
    return text;
}

void FormatTagValue(const ExifData &data, ExifTag &tag, int64_t entryPosition, ExifNumberText &numbers,
                    qsizetype maxChars)
{
    const int size = ExifTypeSize(tag.type);
    if (size < 0 || tag.count == 0)
        return;
    const QByteArrayView bytes = valueBytes(data, tag, entryPosition, size);
    // Byte-wise texts need no more bytes than characters.
    const QByteArrayView textBytes = bytes.first(std::min(bytes.size(), maxChars));
    const bool le = data.littleEndian;
    switch (tag.type) {
    case Ascii:
        tag.text = asciiText(textBytes);
        break;
    case Rational:
    case SRational:
        tag.text = rationalValueText(bytes, tag, le, tag.type == SRational, numbers, maxChars);
        break;
    case SByte:
    case SShort:
    case SLong:
        tag.text = numbers.Decimal(ReadSigned(bytes, 0, size, le));
        break;
    case Undefined:
        tag.text = undefinedText(textBytes, tag, numbers);
        break;
    default:
        // BYTE, SHORT, LONG and also FLOAT and DOUBLE: the first value as an
        // unsigned integer of its bytes. Type 0 has no bytes and no text.
        if (size > 0)
            tag.text = numbers.Decimal(ReadUnsigned(bytes, 0, size, le));
        break;
    }
    tag.text.truncate(maxChars);
}
