#include "platform/runtime/NumberFormat.h"

#include "platform/runtime/PatternCache.h"

#include <QLocale>

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

// What a number pattern asks for, read once per pattern.
struct NumberLayout {
    bool hasPlaceholder = false;
    QString prefix;             // the literal text before the first placeholder
    QString suffix;             // the literal text after the last one
    qsizetype minWholeDigits = 0;
    qsizetype minDecimals = 0;
    qsizetype decimals = 0;
    bool hasPoint = false;
    bool grouped = false;       // a "," among the whole-number placeholders
};

NumberLayout layoutOf(const QString& pattern)
{
    static const QString placeholders = QStringLiteral("0#.");
    const auto isPlaceholder = [](QChar c) { return placeholders.contains(c); };
    NumberLayout layout;
    const qsizetype first = std::find_if(pattern.begin(), pattern.end(), isPlaceholder) - pattern.begin();
    if (first == pattern.size())
        return layout;
    const qsizetype last = std::find_if(pattern.rbegin(), pattern.rend(), isPlaceholder).base() - pattern.begin() - 1;
    const QString digits = pattern.mid(first, last - first + 1);
    const qsizetype point = digits.indexOf(u'.');
    const QString whole = point < 0 ? digits : digits.left(point);
    const QString fraction = point < 0 ? QString() : digits.mid(point + 1);
    layout.hasPlaceholder = true;
    layout.prefix = pattern.left(first);
    layout.suffix = pattern.mid(last + 1);
    layout.minWholeDigits = whole.count(u'0');
    layout.minDecimals = fraction.count(u'0');
    layout.decimals = layout.minDecimals + fraction.count(u'#');
    layout.hasPoint = point >= 0;
    layout.grouped = whole.contains(u',');
    return layout;
}

// The whole-number digits with the thousands separator between each group of three.
QString grouped(const QString& digits)
{
    static const QString separator = QLocale(QLocale::English, QLocale::UnitedStates).groupSeparator();
    QString text;
    text.reserve(digits.size() + digits.size() / 3 * separator.size());
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += separator;
        text += digits[i];
    }
    return text;
}

} // namespace

QString FormatNumberPattern(const Number& number, const QString& pattern)
{
    const NumberLayout layout = readOncePerPattern<layoutOf>(pattern);
    if (!layout.hasPlaceholder)
        return pattern;
    if (!number.isInteger() && !std::isfinite(number.toDouble()))
        return QString::number(number.toDouble());

    Decimal decimal = decimalOf(number);
    roundTo(decimal, layout.decimals);

    QString whole = decimal.exponent > 0 ? decimal.digits.left(decimal.exponent).leftJustified(decimal.exponent, u'0')
                                         : QString();
    whole = whole.rightJustified(layout.minWholeDigits, u'0');
    if (layout.grouped)
        whole = grouped(whole);
    QString fraction = decimal.exponent < 0 ? QString(-decimal.exponent, u'0') + decimal.digits
                                            : decimal.digits.mid(decimal.exponent);
    fraction = fraction.leftJustified(layout.decimals, u'0');
    while (fraction.size() > layout.minDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);

    QString text = decimal.negative ? QStringLiteral("-") : QString();
    text += layout.prefix + whole;
    if (layout.hasPoint)
        text += u'.' + fraction;
    return text + layout.suffix;
}

} // namespace runtime
