#include "platform/runtime/DateFormat.h"

#include "platform/runtime/PatternCache.h"

#include <QList>
#include <QLocale>
#include <algorithm>
#include <array>

namespace runtime {
namespace {

enum class Field { Literal, Day, Month, Year, Hour, Minute, Second, AmPm };

struct Token {
    Field field;
    int width = 0;
    QString text; // the literal text, or the AM/PM marker as written
};

const QLocale& english()
{
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

qsizetype runLength(const QString& pattern, qsizetype from, QChar lower)
{
    qsizetype end = from;
    while (end < pattern.size() && pattern[end].toLower() == lower)
        ++end;
    return end - from;
}

void appendLiteral(QList<Token>& tokens, const QString& text)
{
    if (!tokens.isEmpty() && tokens.back().field == Field::Literal)
        tokens.back().text += text;
    else
        tokens.append({Field::Literal, 0, text});
}

QList<Token> tokenize(const QString& pattern)
{
    static const QString ampmMarkers[] = {QStringLiteral("AM/PM"), QStringLiteral("AMPM"), QStringLiteral("A/P")};
    QList<Token> tokens;
    bool afterHour = false;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == u'"') {
            qsizetype close = pattern.indexOf(u'"', i + 1);
            if (close < 0)
                close = pattern.size();
            appendLiteral(tokens, pattern.mid(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        if (c == u'\\') {
            appendLiteral(tokens, pattern.mid(i + 1, 1));
            i += 2;
            continue;
        }
        const auto marker = std::find_if(std::begin(ampmMarkers), std::end(ampmMarkers), [&](const QString& m) {
            return QStringView(pattern).mid(i, m.size()).compare(m, Qt::CaseInsensitive) == 0;
        });
        if (marker != std::end(ampmMarkers)) {
            tokens.append({Field::AmPm, 0, pattern.mid(i, marker->size())});
            afterHour = false;
            i += marker->size();
            continue;
        }
        const QChar lower = c.toLower();
        const qsizetype run = runLength(pattern, i, lower);
        Field field;
        qsizetype width;
        switch (lower.unicode()) {
        case u'd': field = Field::Day; width = std::min<qsizetype>(run, 4); break;
        case u'm':
            field = afterHour && run <= 2 ? Field::Minute : Field::Month;
            width = std::min<qsizetype>(run, 4);
            break;
        case u'y': field = Field::Year; width = run >= 4 ? 4 : run >= 2 ? 2 : 1; break;
        case u'h': field = Field::Hour; width = std::min<qsizetype>(run, 2); break;
        case u'n': field = Field::Minute; width = std::min<qsizetype>(run, 2); break;
        case u's': field = Field::Second; width = std::min<qsizetype>(run, 2); break;
        default:
            appendLiteral(tokens, QString(c));
            ++i;
            continue;
        }
        tokens.append({field, int(width), {}});
        afterHour = field == Field::Hour;
        i += width;
    }
    return tokens;
}

// The English names of the months (1 to 12) and weekdays (1, Monday, to 7), short and long,
// looked up once.
struct Names {
    std::array<QString, 13> shortMonths, longMonths;
    std::array<QString, 8> shortDays, longDays;
};

const Names& names()
{
    static const Names all = [] {
        Names n;
        for (int month = 1; month <= 12; ++month) {
            n.shortMonths[month] = english().monthName(month, QLocale::ShortFormat);
            n.longMonths[month] = english().monthName(month, QLocale::LongFormat);
        }
        for (int day = 1; day <= 7; ++day) {
            n.shortDays[day] = english().dayName(day, QLocale::ShortFormat);
            n.longDays[day] = english().dayName(day, QLocale::LongFormat);
        }
        return n;
    }();
    return all;
}

// Appends the number, zero-padded to the width.
void appendNumber(QString& text, int value, int width)
{
    if (value < 0) {
        text += QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
        return;
    }
    char digits[10];
    int count = 0;
    do {
        digits[count++] = char('0' + value % 10);
        value /= 10;
    } while (value > 0);
    for (int pad = count; pad < width; ++pad)
        text += u'0';
    while (count > 0)
        text += QLatin1Char(digits[--count]);
}

QString ampmText(const QString& marker, bool pm)
{
    if (marker.size() == 4) // AMPM: the locale's own texts
        return pm ? english().pmText() : english().amText();
    const qsizetype slash = marker.indexOf(u'/'); // AM/PM, A/P: the half for the time, in the case written
    return pm ? marker.mid(slash + 1) : marker.left(slash);
}

} // namespace

bool IsDatePattern(const QString& pattern)
{
    const QList<Token> tokens = readOncePerPattern<tokenize>(pattern);
    return std::any_of(tokens.begin(), tokens.end(), [](const Token& t) { return t.field != Field::Literal; });
}

QString FormatDatePattern(const QDateTime& moment, const QString& pattern)
{
    const QList<Token> tokens = readOncePerPattern<tokenize>(pattern);
    const bool twelveHour =
        std::any_of(tokens.begin(), tokens.end(), [](const Token& t) { return t.field == Field::AmPm; });
    const QDate date = moment.date();
    const QTime time = moment.time();

    QString text;
    text.reserve(32);
    for (const Token& token : tokens) {
        switch (token.field) {
        case Field::Literal:
            text += token.text;
            break;
        case Field::Day:
            if (token.width <= 2)
                appendNumber(text, date.day(), token.width);
            else
                text += (token.width == 3 ? names().shortDays : names().longDays)[size_t(date.dayOfWeek())];
            break;
        case Field::Month:
            if (token.width <= 2)
                appendNumber(text, date.month(), token.width);
            else
                text += (token.width == 3 ? names().shortMonths : names().longMonths)[size_t(date.month())];
            break;
        case Field::Year:
            if (token.width == 1)
                text += QString::number(date.dayOfYear());
            else
                appendNumber(text, token.width == 2 ? date.year() % 100 : date.year(), token.width);
            break;
        case Field::Hour:
            appendNumber(text, twelveHour ? (time.hour() + 11) % 12 + 1 : time.hour(), token.width);
            break;
        case Field::Minute:
            appendNumber(text, time.minute(), token.width);
            break;
        case Field::Second:
            appendNumber(text, time.second(), token.width);
            break;
        case Field::AmPm:
            text += ampmText(token.text, time.hour() >= 12);
            break;
        }
    }
    return text;
}

} // namespace runtime
