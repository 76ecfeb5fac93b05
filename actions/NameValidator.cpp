#include "actions/NameValidator.h"

namespace {

bool RefusedInName(QChar c)
{
    static const QString refused = QStringLiteral("\"#$%()*,./:;<=>?[\\]^|");
    return c.category() == QChar::Other_Control || refused.contains(c);
}

}

QValidator::State NameValidator::validate(QString &input, int &) const
{
    QString refused;
    for (const QChar c : input) {
        if (RefusedInName(c) && !allowed_.contains(c))
            refused += c;
    }
    if (refused.isEmpty())
        return Acceptable;
    refused_ = refused;
    return Invalid;
}
