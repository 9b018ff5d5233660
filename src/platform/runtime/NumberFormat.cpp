#include "platform/runtime/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace runtime {
namespace {

// A number as decimal digits: |value| = 0.digits x 10^exponent, digits without leading or trailing zeros.
struct Decimal {
    bool negative = false;
    QString digits;
    qsizetype exponent = 0;
};

Decimal decimalOf(const Number& number)
{
    Decimal decimal;
    if (number.isInteger()) {
        decimal.negative = number.integer() < 0;
        decimal.digits = QString::number(number.integer()).remove(u'-');
        decimal.exponent = decimal.digits.size();
    } else {
        const double value = number.toDouble();
        decimal.negative = value < 0;
        // The double's decimal text to 15 significant digits, as "d.dddddddddddddde+XX".
        const QString text = QString::number(std::fabs(value), 'e', 14);
        const qsizetype e = text.indexOf(u'e');
        decimal.digits = text.left(e).remove(u'.');
        decimal.exponent = text.mid(e + 1).toInt() + 1;
    }
    while (decimal.digits.endsWith(u'0'))
        decimal.digits.chop(1);
    while (decimal.digits.startsWith(u'0')) {
        decimal.digits.remove(0, 1);
        --decimal.exponent;
    }
    if (decimal.digits.isEmpty())
        decimal = Decimal();
    return decimal;
}

// Rounds half away from zero to the given number of decimals.
void roundTo(Decimal& decimal, qsizetype decimals)
{
    const qsizetype keep = decimal.exponent + decimals;
    if (keep >= decimal.digits.size())
        return;
    if (keep < 0) {
        decimal.digits.clear();
        decimal.exponent = 0;
        return;
    }
    const bool up = decimal.digits[keep] >= u'5';
    decimal.digits.truncate(keep);
    if (!up)
        return;
    qsizetype i = keep - 1;
    while (i >= 0 && decimal.digits[i] == u'9')
        decimal.digits[i--] = u'0';
    if (i < 0) {
        decimal.digits.prepend(u'1');
        ++decimal.exponent;
    } else {
        decimal.digits[i] = QChar(decimal.digits[i].unicode() + 1);
    }
}

} // namespace

QString FormatNumberPattern(const Number& number, const QString& pattern)
{
    static const QString placeholders = QStringLiteral("0#.");
    const auto isPlaceholder = [](QChar c) { return placeholders.contains(c); };
    const qsizetype first = std::find_if(pattern.begin(), pattern.end(), isPlaceholder) - pattern.begin();
    if (first == pattern.size())
        return pattern;
    const qsizetype last = std::find_if(pattern.rbegin(), pattern.rend(), isPlaceholder).base() - pattern.begin() - 1;
    if (!number.isInteger() && !std::isfinite(number.toDouble()))
        return QString::number(number.toDouble());

    const QString layout = pattern.mid(first, last - first + 1);
    const qsizetype point = layout.indexOf(u'.');
    const QString wholeLayout = point < 0 ? layout : layout.left(point);
    const QString fractionLayout = point < 0 ? QString() : layout.mid(point + 1);
    const qsizetype minWholeDigits = wholeLayout.count(u'0');
    const qsizetype minDecimals = fractionLayout.count(u'0');
    const qsizetype decimals = minDecimals + fractionLayout.count(u'#');

    Decimal decimal = decimalOf(number);
    roundTo(decimal, decimals);

    QString whole = decimal.exponent > 0 ? decimal.digits.left(decimal.exponent).leftJustified(decimal.exponent, u'0')
                                         : QString();
    whole = whole.rightJustified(minWholeDigits, u'0');
    QString fraction = decimal.exponent < 0 ? QString(-decimal.exponent, u'0') + decimal.digits
                                            : decimal.digits.mid(decimal.exponent);
    fraction = fraction.leftJustified(decimals, u'0');
    while (fraction.size() > minDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);

    QString text = decimal.negative ? QStringLiteral("-") : QString();
    text += pattern.left(first) + whole;
    if (point >= 0)
        text += u'.' + fraction;
    return text + pattern.mid(last + 1);
}

} // namespace runtime
