#include "platform/runtime/NumberFormat.h"

#include "platform/runtime/PatternCache.h"

#include <QByteArray>
#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace runtime {
namespace {

// A number as decimal digits: |value| = 0.digits x 10^exponent, digits without leading or trailing zeros.
struct Decimal {
    bool negative = false;
    std::string digits;
    qsizetype exponent = 0;
};

Decimal decimalOf(const Number& number)
{
    Decimal decimal;
    if (number.isInteger()) {
        const qint64 value = number.integer();
        decimal.negative = value < 0;
        const quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
        char text[24];
        decimal.digits.assign(text, std::to_chars(text, text + sizeof text, magnitude).ptr);
        decimal.exponent = qsizetype(decimal.digits.size());
    } else {
        const double value = number.toDouble();
        decimal.negative = value < 0;
        // The double's decimal text to 15 significant digits, as "d.dddddddddddddde+XX" (Qt's
        // conversion: a tie rounds away from zero, where the standard library's goes to even).
        const QByteArray text = QByteArray::number(std::fabs(value), 'e', 14);
        const char* const end = text.constEnd();
        const char* e = std::find(text.constBegin(), end, 'e');
        decimal.digits.assign(1, text[0]).append(text.constData() + 2, size_t(e - (text.constData() + 2)));
        int exponent = 0;
        std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
        decimal.exponent = exponent + 1;
    }
    while (!decimal.digits.empty() && decimal.digits.back() == '0')
        decimal.digits.pop_back();
    const size_t leadingZeros = std::min(decimal.digits.find_first_not_of('0'), decimal.digits.size());
    decimal.digits.erase(0, leadingZeros);
    decimal.exponent -= qsizetype(leadingZeros);
    if (decimal.digits.empty())
        decimal = Decimal();
    return decimal;
}

// Rounds half away from zero to the given number of decimals.
void roundTo(Decimal& decimal, qsizetype decimals)
{
    const qsizetype keep = decimal.exponent + decimals;
    if (keep >= qsizetype(decimal.digits.size()))
        return;
    if (keep < 0) {
        decimal.digits.clear();
        decimal.exponent = 0;
        return;
    }
    const bool up = decimal.digits[size_t(keep)] >= '5';
    decimal.digits.resize(size_t(keep));
    if (!up)
        return;
    qsizetype i = keep - 1;
    while (i >= 0 && decimal.digits[size_t(i)] == '9')
        decimal.digits[size_t(i--)] = '0';
    if (i < 0) {
        decimal.digits.insert(decimal.digits.begin(), '1');
        ++decimal.exponent;
    } else {
        ++decimal.digits[size_t(i)];
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

// Appends the whole-number digits, with the thousands separator between each group of three when grouped.
void appendWhole(QString& text, const std::string& digits, bool grouped)
{
    static const QString separator = QLocale(QLocale::English, QLocale::UnitedStates).groupSeparator();
    for (size_t i = 0; i < digits.size(); ++i) {
        if (grouped && i > 0 && (digits.size() - i) % 3 == 0)
            text += separator;
        text += QLatin1Char(digits[i]);
    }
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
    const size_t exponent = size_t(std::max<qsizetype>(decimal.exponent, 0));

    std::string whole = decimal.digits.substr(0, exponent);
    whole.resize(exponent, '0');
    if (qsizetype(whole.size()) < layout.minWholeDigits)
        whole.insert(0, size_t(layout.minWholeDigits) - whole.size(), '0');
    std::string fraction = decimal.exponent < 0 ? std::string(size_t(-decimal.exponent), '0') + decimal.digits
                                                : decimal.digits.substr(std::min(exponent, decimal.digits.size()));
    if (qsizetype(fraction.size()) < layout.decimals)
        fraction.resize(size_t(layout.decimals), '0');
    while (qsizetype(fraction.size()) > layout.minDecimals && fraction.back() == '0')
        fraction.pop_back();

    QString text;
    text.reserve(layout.prefix.size() + qsizetype(whole.size() + whole.size() / 3 + fraction.size()) + 2
                 + layout.suffix.size());
    if (decimal.negative)
        text += u'-';
    text += layout.prefix;
    appendWhole(text, whole, layout.grouped);
    if (layout.hasPoint) {
        text += u'.';
        text += QLatin1StringView(fraction.data(), qsizetype(fraction.size()));
    }
    return text + layout.suffix;
}

} // namespace runtime
