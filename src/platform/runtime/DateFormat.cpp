#include "platform/runtime/DateFormat.h"

#include "platform/runtime/PatternCache.h"

#include <QList>
#include <QLocale>
#include <algorithm>

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

QString number(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
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
    for (const Token& token : tokens) {
        switch (token.field) {
        case Field::Literal:
            text += token.text;
            break;
        case Field::Day:
            text += token.width <= 2 ? number(date.day(), token.width)
                                     : english().dayName(date.dayOfWeek(), token.width == 3 ? QLocale::ShortFormat
                                                                                            : QLocale::LongFormat);
            break;
        case Field::Month:
            text += token.width <= 2 ? number(date.month(), token.width)
                                     : english().monthName(date.month(), token.width == 3 ? QLocale::ShortFormat
                                                                                          : QLocale::LongFormat);
            break;
        case Field::Year:
            text += token.width == 1 ? QString::number(date.dayOfYear())
                                     : number(token.width == 2 ? date.year() % 100 : date.year(), token.width);
            break;
        case Field::Hour: {
            const int hour = twelveHour ? (time.hour() + 11) % 12 + 1 : time.hour();
            text += number(hour, token.width);
            break;
        }
        case Field::Minute:
            text += number(time.minute(), token.width);
            break;
        case Field::Second:
            text += number(time.second(), token.width);
            break;
        case Field::AmPm:
            text += ampmText(token.text, time.hour() >= 12);
            break;
        }
    }
    return text;
}

} // namespace runtime
