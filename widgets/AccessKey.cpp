#include "widgets/AccessKey.h"

QString AccessKeyOf(const QString &caption)
{
    const qsizetype length = caption.size();
    qsizetype p = 0;
    // The bound compares 1-based positions as "p + 1 < L"; 0-based that is p + 2 < L.
    while (p + 2 < length) {
        const qsizetype amp = caption.indexOf(QLatin1Char('&'), p);
        if (amp < 0 || amp == length - 1)
            return {};
        const QString next = caption.mid(amp + 1, 1).toLower();
        if (next != QLatin1String("&"))
            return next;
        p = amp + 2;
    }
    return {};
}
