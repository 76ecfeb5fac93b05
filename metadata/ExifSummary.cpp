#include "metadata/ExifParse.h"
#include "metadata/ExifTimes.h"
#include "metadata/clsEXIF.h"

namespace {

// The first k characters of the tag name, in lower case, equal the key.
bool nameStartsAs(const QString &name, QStringView key)
{
    return name.left(key.size()).compare(key, Qt::CaseInsensitive) == 0;
}

}

void clsEXIF::ListEXIF(ExifSummaryView &window, int side) const
{
    if (m_readStatus != 0)
        return;
    for (size_t i = 1; i < m_tags.size(); ++i) {
        const QString &n = m_tags[i].name;
        const QString &x = m_tags[i].text;
        if (nameStartsAs(n, u"model"))
            window.setLabelCaption(QStringLiteral("lblCam"), side, x);
        if (nameStartsAs(n, u"aperturevalue") || nameStartsAs(n, u"fnumber"))
            window.setLabelCaption(QStringLiteral("lblBlende"), side, QStringLiteral("Blende: f ") + x);
        if (nameStartsAs(n, u"shutterspeedvalue") || nameStartsAs(n, u"exposuretime"))
            window.setLabelCaption(QStringLiteral("lblExp"), side, QStringLiteral("Belichtung: 1/") + x + u's');
        if (nameStartsAs(n, u"datetimeoriginal")) {
            const QString time = x.right(8);
            const QString date = x.left(10);
            window.setLabelCaption(QStringLiteral("lblTimeDate"), side, date + QStringLiteral("  -  ") + time);
            if (window.freezeValue() == 0) {
                // "YYYY:MM:DD" becomes "DD.MM.YYYY".
                window.setLabelCaption(QStringLiteral("lblEXIFTime"), -1,
                                       date.right(2) + u'.' + date.mid(5, 2) + u'.' + date.left(4) + u' ' + time);
                FrozenExifTime = date + QStringLiteral(" - ") + time;
            }
        }
        if (nameStartsAs(n, u"isospeedratings"))
            window.setLabelCaption(QStringLiteral("lblISO"), side, QStringLiteral("ISO ") + x);
    }
}

void clsEXIF::ListEXIF2() const
{
    if (m_readStatus != 0)
        return;
    if (auto time = ExifTimeFromTags(m_tags))
        CurrentExifTime = std::move(*time);
}
