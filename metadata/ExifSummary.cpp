#include "metadata/ExifParse.h"
#include "metadata/clsEXIF.h"

namespace {

// The first k characters of the tag name, in lower case, equal the key.
bool nameStartsAs(const QString &name, QStringView key)
{
    return name.left(key.size()).compare(key, Qt::CaseInsensitive) == 0;
}

}

ExifSummary clsEXIF::Summary() const
{
    ExifSummary summary;
    if (m_readStatus != 0)
        return summary;
    for (size_t i = 1; i < m_tags.size(); ++i) {
        const QString &n = m_tags[i].name;
        const QString &x = m_tags[i].text;
        if (nameStartsAs(n, u"model"))
            summary.camera = x;
        if (nameStartsAs(n, u"aperturevalue") || nameStartsAs(n, u"fnumber"))
            summary.aperture = x;
        if (nameStartsAs(n, u"shutterspeedvalue") || nameStartsAs(n, u"exposuretime"))
            summary.exposure = x;
        if (nameStartsAs(n, u"datetimeoriginal"))
            summary.captureTime = x;
        if (nameStartsAs(n, u"isospeedratings"))
            summary.iso = x;
    }
    return summary;
}

QString clsEXIF::ExifTime() const
{
    if (m_readStatus != 0)
        return {};
    return ExifTimeFromTags(m_tags).value_or(QString());
}
