#include "rename/BurstLetters.h"

#include <algorithm>
#include <numeric>

namespace {

// The leading digits of a fraction, or empty when it holds none.
QString FractionDigits(const QString &text)
{
    qsizetype end = 0;
    while (end < text.size() && text.at(end).isDigit())
        ++end;
    return text.left(end);
}

} // namespace

std::vector<int> CaptureOrder(const QStringList &subSeconds)
{
    std::vector<int> order(size_t(subSeconds.size()));
    std::iota(order.begin(), order.end(), 0);
    QStringList digits;
    qsizetype width = 0;
    for (const QString &text : subSeconds) {
        digits << FractionDigits(text);
        if (digits.last().isEmpty())
            return order;
        width = std::max(width, digits.last().size());
    }
    // Padded on the right to one width, decimal fractions compare as texts.
    for (QString &d : digits)
        d = d.leftJustified(width, u'0');
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return digits.at(a) < digits.at(b); });
    return order;
}

QString BurstLetters(int index, int count)
{
    int width = 1;
    for (int capacity = 26; capacity < count; capacity *= 26)
        ++width;
    return LettersOfWidth(index, width);
}

QString LettersOfWidth(int index, int width)
{
    QString letters(width, u'a');
    for (int i = width - 1; i >= 0; --i, index /= 26)
        letters[i] = QChar(char16_t(u'a' + index % 26));
    return index == 0 ? letters : QString();
}
