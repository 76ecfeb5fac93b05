#include "metadata/ExifNumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

const QLocale &ExifNumberText::locale()
{
    if (!m_locale) {
        m_locale.emplace();
        m_locale->setNumberOptions(QLocale::OmitGroupSeparator);
        m_decimalPoint = m_locale->decimalPoint();
        m_negativeSign = m_locale->negativeSign();
        m_asciiDigits = m_locale->zeroDigit() == u"0";
    }
    return *m_locale;
}

QString ExifNumberText::Fixed(double x, int decimals)
{
    QString text;
    AppendFixed(text, x, decimals);
    return text;
}

void ExifNumberText::AppendFixed(QString &text, double x, int decimals)
{
    if (!std::isfinite(x))
        return;
    const double scale = std::pow(10.0, decimals);
    // std::round takes halves away from zero; QLocale would take them to even.
    const double scaled = std::round(x * scale);
    locale();
    // Digits made by hand where the locale writes ASCII digits: a list of
    // thousands of rationals is made in a moment rather than in a tenth of a
    // second of locale formatting.
    if (std::fabs(scaled) < 1e15 && m_asciiDigits && decimals < 15) {
        const auto units = static_cast<qint64>(std::fabs(scaled));
        const auto whole = static_cast<qint64>(scale);
        char digits[40];
        char *end = std::to_chars(digits, digits + 20, units / whole).ptr;
        if (scaled < 0)
            text += m_negativeSign;
        text += QLatin1StringView(digits, end - digits);
        if (decimals > 0) {
            // The fraction with its leading zeros: units % whole + whole has
            // one digit more than wanted, a 1 that is dropped.
            end = std::to_chars(digits, digits + 20, units % whole + whole).ptr;
            text += m_decimalPoint;
            text += QLatin1StringView(digits + 1, end - digits - 1);
        }
        return;
    }
    double rounded = scaled / scale;
    if (rounded == 0)
        rounded = 0; // no "-0.0"
    text += locale().toString(rounded, 'f', decimals);
}

QString ExifNumberText::Decimal(double x)
{
    // Whole numbers (every BYTE, SHORT and LONG value) skip the float
    // formatter, which costs the batch rename most of its time per file. Below
    // 1e15 the 15-digit form has no exponent, so both roads give one text.
    if (x == std::trunc(x) && std::fabs(x) < 1e15 && !(x == 0 && std::signbit(x)))
        return QString::number(static_cast<qint64>(x));
    QString text = QString::number(x, 'g', 15);
    if (text.contains(u'e'))
        text.replace(u'e', u'E');
    if (text.contains(u'.'))
        text.replace(u'.', locale().decimalPoint());
    return text;
}

QString ExifNumberText::Exposure(double seconds)
{
    return ExposureTimeText(seconds, locale());
}

QString ExposureTimeText(double seconds, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    if (seconds < 0.5) {
        const double n = std::round(1 / seconds);
        if (n >= 1 && std::fabs(seconds * n - 1) <= 0.01)
            return QStringLiteral("1/") + QString::number(n, 'f', 0);
        const int decimals = seconds >= 0.05 ? 1 : 1 - int(std::floor(std::log10(seconds)));
        return plain.toString(seconds, 'f', std::min(decimals, 12));
    }
    const double rounded = std::round(seconds * 10) / 10;
    return plain.toString(rounded, 'f', rounded == std::trunc(rounded) ? 0 : 1);
}

double LeadingNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    auto digits = [&] {
        const qsizetype from = i;
        while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
            ++i;
        return i > from;
    };
    bool any = digits();
    if (i < text.size() && text[i] == u'.') {
        ++i;
        any = digits() || any;
    }
    if (!any)
        return 0;
    qsizetype end = i;
    if (i < text.size() && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        if (digits())
            end = i;
    }
    const QStringView number = QStringView(text).sliced(start, end - start);
    // Plain digits, as the decimal text of a SHORT or LONG is: summed exactly.
    if (number.size() <= 15 && std::all_of(number.begin(), number.end(), [](QChar c) { return c.isDigit(); })) {
        double value = 0;
        for (const QChar c : number)
            value = value * 10 + (c.unicode() - u'0');
        return value;
    }
    return number.toDouble();
}

std::optional<int32_t> RoundToInt32(double x)
{
    const double rounded = std::nearbyint(x);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        return std::nullopt;
    return static_cast<int32_t>(rounded);
}
