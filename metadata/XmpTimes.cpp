#include "metadata/XmpTimes.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>
#include <QXmlStreamReader>

namespace {

constexpr QStringView kRdf = u"http://www.w3.org/1999/02/22-rdf-syntax-ns#";

struct Known
{
    QStringView namespaceUri;
    QStringView name;
    XmpTimeProperty property;
};

constexpr Known kProperties[] = {
    {u"http://ns.adobe.com/exif/1.0/", u"DateTimeOriginal", XmpTimeProperty::DateTimeOriginal},
    {u"http://ns.adobe.com/photoshop/1.0/", u"DateCreated", XmpTimeProperty::DateCreated},
    {u"http://ns.adobe.com/xap/1.0/", u"CreateDate", XmpTimeProperty::CreateDate},
};

std::optional<XmpTimeProperty> propertyOf(QStringView namespaceUri, QStringView name)
{
    for (const Known &k : kProperties) {
        if (k.namespaceUri == namespaceUri && k.name == name)
            return k.property;
    }
    return std::nullopt;
}

}

std::vector<XmpTimeValue> ReadXmpTimes(QByteArrayView packet)
{
    std::vector<XmpTimeValue> found;
    QXmlStreamReader xml(packet.toByteArray());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.namespaceUri() == kRdf && xml.name() == u"Description") {
            for (const QXmlStreamAttribute &a : xml.attributes()) {
                if (const auto property = propertyOf(a.namespaceUri(), a.name()))
                    found.push_back({*property, a.value().toString().trimmed()});
            }
        } else if (const auto property = propertyOf(xml.namespaceUri(), xml.name())) {
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            if (!xml.hasError())
                found.push_back({*property, text});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const XmpTimeValue &a, const XmpTimeValue &b) { return a.property < b.property; });
    return found;
}

std::optional<int> ParseUtcOffset(QStringView text)
{
    if (text == u"Z")
        return 0;
    static const QRegularExpression shape(QStringLiteral("^([+-])(\\d\\d):?(\\d\\d)$"));
    const QRegularExpressionMatch m = shape.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int hours = m.capturedView(2).toInt();
    const int minutes = m.capturedView(3).toInt();
    if (hours > 14 || minutes > 59)
        return std::nullopt;
    return (m.capturedView(1) == u"-" ? -1 : 1) * (hours * 60 + minutes);
}

std::optional<XmpTime> ParseXmpTime(QStringView text)
{
    static const QRegularExpression shape(
        QStringLiteral("^(\\d{4})-(\\d\\d)-(\\d\\d)T(\\d\\d):(\\d\\d):(\\d\\d)(?:[.,](\\d+))?(Z|[+-]\\d\\d:?\\d\\d)?$"));
    const QRegularExpressionMatch m = shape.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate date(m.capturedView(1).toInt(), m.capturedView(2).toInt(), m.capturedView(3).toInt());
    const QTime time(m.capturedView(4).toInt(), m.capturedView(5).toInt(), m.capturedView(6).toInt());
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    XmpTime parsed{date.toString(QStringLiteral("yyyy:MM:dd")) + u' ' + time.toString(QStringLiteral("HH:mm:ss")),
                   m.captured(7), std::nullopt};
    if (m.hasCaptured(8)) {
        parsed.offsetMinutes = ParseUtcOffset(m.capturedView(8));
        if (!parsed.offsetMinutes)
            return std::nullopt;
    }
    return parsed;
}

std::optional<CaptureTime> CaptureTimeOfXmp(QByteArrayView packet)
{
    for (const XmpTimeValue &value : ReadXmpTimes(packet)) {
        if (auto time = ParseXmpTime(value.text))
            return time->captureTime();
    }
    return std::nullopt;
}

CaptureTime XmpTime::captureTime() const
{
    const CaptureTime time = CaptureTime::FromExifText(exifText)->withSubSeconds(subSeconds);
    return offsetMinutes ? time.withOffsetMinutes(*offsetMinutes) : time;
}
