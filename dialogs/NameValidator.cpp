#include "dialogs/NameValidator.h"

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

QString RefusedCharactersText(const QString &refused)
{
    QStringList shown;
    bool control = false;
    for (const QChar c : refused) {
        if (c.category() == QChar::Other_Control)
            control = true;
        else
            shown << QString(c);
    }
    if (control)
        shown << QCoreApplication::translate("NameValidator", "Steuerzeichen");
    return QCoreApplication::translate("NameValidator", "Nicht erlaubt: %1").arg(shown.join(u' '));
}
