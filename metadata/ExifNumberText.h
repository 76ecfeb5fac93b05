#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Number texts of the tag values. Fixed() follows the default QLocale, which
// is looked up once per object and only when a fixed-point text is made.
class ExifNumberText
{
public:
    // Format(x, "0"), "0.0", "0.000": halves rounded away from zero, the
    // locale's decimal separator, no group separators. Empty for infinities
    // and NaN, which have no such text.
    QString Fixed(double x, int decimals);
    // The same text appended to `text`: long lists without a string per number.
    void AppendFixed(QString &text, double x, int decimals);
    // Decimal(x): plain digits for whole numbers below 10^15, beyond that
    // 15 significant digits with an exponent ("1,84467440737096E+19").
    QString Decimal(double x);
    // ExposureTimeText in the default locale.
    QString Exposure(double seconds);

private:
    const QLocale &locale();

    std::optional<QLocale> m_locale;
    QString m_decimalPoint;
    QString m_negativeSign;
    bool m_asciiDigits = false;
};

// An exposure time that cannot be misread: below half a second "1/N" when
// the time is 1/N within 1%, else seconds with one decimal ("0,4"; two
// significant digits where one decimal would show 0); from half a second on
// seconds with one decimal, none when it is 0 ("0,6", "4", "1,3"). No group
// separators.
QString ExposureTimeText(double seconds, const QLocale &locale);

// The number at the start of a text, as a classic Val() reads it: optional
// blanks, sign, digits, one point, digits, exponent. 0 when there is none.
double LeadingNumber(const QString &text);

// The number rounded half to even into 32 bits; nothing when it does not fit.
std::optional<int32_t> RoundToInt32(double x);
