#include "widgets/ButtonPropertyBag.h"

#include <QStringList>

namespace {

// QVariant would compare a text with a font by converting one into the other.
bool SameValue(const QVariant &a, const QVariant &b)
{
    return a.metaType() == b.metaType() && a == b;
}

} // namespace

QVariant ButtonPropertyBag::ReadProperty(const QString &key, const QVariant &defaultValue) const
{
    const QString lower = key.toLower();
    for (const auto &item : items_)
        if (item.first == lower)
            return item.second;
    return defaultValue;
}

void ButtonPropertyBag::WriteProperty(const QString &key, const QVariant &value, const QVariant &defaultValue)
{
    const QString lower = key.toLower();
    items_.removeIf([&lower](const auto &item) { return item.first == lower; });
    if (!SameValue(value, defaultValue))
        items_.append({lower, value});
}

bool ButtonPropertyBag::Contains(const QString &key) const
{
    const QString lower = key.toLower();
    for (const auto &item : items_)
        if (item.first == lower)
            return true;
    return false;
}

QStringList ButtonPropertyBag::Keys() const
{
    QStringList keys;
    for (const auto &item : items_)
        keys.append(item.first);
    return keys;
}
