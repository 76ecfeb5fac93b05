#pragma once

#include <QCoreApplication>
#include <QValidator>

// The character rule of a new file name, for typed and pasted text alike.
// Refused are the control characters and " # $ % ( ) * , . / : ; < = > ? [ \ ]
// ^ |: the dot because the extension, shown beside the name, stays the
// file's own; "?" and "|" because memory cards refuse them. Characters the
// name already held when it was offered stay allowed in it, so that such a
// name can still be edited.
class NameValidator : public QValidator
{
public:
    using QValidator::QValidator;

    void allow(const QString &offered) { allowed_ = offered; }
    State validate(QString &input, int &pos) const override;
    // The refused characters of the input refused last.
    QString refused() const { return refused_; }

private:
    QString allowed_;
    mutable QString refused_;
};

// The hint under the name field: "Nicht erlaubt: ( ) ," for the characters refused.
QString RefusedCharactersText(const QString &refused);
