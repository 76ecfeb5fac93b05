#include "widgets/NewButtonCaption.h"

QString NewButtonCaption(const QStringList &formCaptions, const QString &ownName)
{
    const QString joined = QLatin1Char('|') + formCaptions.join(QLatin1Char('|')) + QLatin1Char('|');
    if (!joined.contains(QLatin1String("|&OK|")))
        return QStringLiteral("&OK");
    if (!joined.contains(QLatin1String("|&Cancel|")))
        return QStringLiteral("&Cancel");
    if (joined.contains(QLatin1String("|&Apply|")))
        return ownName;
    return QStringLiteral("&Apply");
}
