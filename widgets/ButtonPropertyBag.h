#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

// The stored properties of one control as its form keeps them: keys in lower
// case, compared without regard to case, in the order they were written.
class ButtonPropertyBag
{
public:
    // The stored value, or defaultValue when the key is not stored.
    QVariant ReadProperty(const QString &key, const QVariant &defaultValue) const;
    // A value equal to its default is not stored (and an older one is dropped).
    void WriteProperty(const QString &key, const QVariant &value, const QVariant &defaultValue);
    bool Contains(const QString &key) const;
    QStringList Keys() const;

private:
    QList<QPair<QString, QVariant>> items_;
};
