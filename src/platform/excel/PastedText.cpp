#include "platform/excel/PastedText.h"

#include "platform/runtime/DateMath.h"

#include <QDateTime>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <charconv>
#include <initializer_list>
#include <optional>

namespace excel {
namespace {

constexpr int kMaxSignificantDigits = 15;

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// What ends a pasted cell: a tab or a line break.
bool isSeparator(QChar c) { return c == u'\t' || c == u'\r' || c == u'\n'; }

// The blanks that may stand between a date and its time: ASCII white space only.
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

// Reads the text left to right; each read either takes what it asks for or leaves the position.
class Reader {
public:
    explicit Reader(QStringView text)
        : m_text(text)
    {
    }

    bool atEnd() const { return m_at == m_text.size(); }

    // Skips the character when it is the one given.
    bool skip(QChar c)
    {
        if (atEnd() || m_text[m_at] != c)
            return false;
        ++m_at;
        return true;
    }

    // The run of digits from here, maybe empty.
    QStringView digits()
    {
        const qsizetype start = m_at;
        while (!atEnd() && isDigit(m_text[m_at]))
            ++m_at;
        return m_text.sliced(start, m_at - start);
    }

    // The run of digits from here: taken when its length is one of those allowed, else left.
    std::optional<QStringView> digits(std::initializer_list<qsizetype> allowedLengths)
    {
        const qsizetype start = m_at;
        const QStringView run = digits();
        if (std::find(allowedLengths.begin(), allowedLengths.end(), run.size()) != allowedLengths.end())
            return run;
        m_at = start;
        return std::nullopt;
    }

    // The next count ASCII letters.
    std::optional<QStringView> letters(qsizetype count)
    {
        if (m_text.size() - m_at < count)
            return std::nullopt;
        const QStringView run = m_text.sliced(m_at, count);
        for (const QChar c : run)
            if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
                return std::nullopt;
        m_at += count;
        return run;
    }

    // One or more blanks.
    bool blanks()
    {
        const qsizetype start = m_at;
        while (!atEnd() && isBlank(m_text[m_at]))
            ++m_at;
        return m_at > start;
    }

    // One character, when there is one.
    std::optional<QChar> next()
    {
        if (atEnd())
            return std::nullopt;
        return m_text[m_at++];
    }

private:
    QStringView m_text;
    qsizetype m_at = 0;
};

int toInt(QStringView digits)
{
    int value = 0;
    for (const QChar c : digits)
        value = value * 10 + (c.unicode() - u'0');
    return value;
}

// An optional minus, then digits with at most one decimal point and at least one digit.
std::optional<double> toNumber(QStringView text)
{
    Reader reader(text);
    reader.skip(u'-');
    const QStringView integer = reader.digits();
    QStringView fraction = reader.skip(u'.') ? reader.digits() : QStringView();
    if (!reader.atEnd() || (integer.isEmpty() && fraction.isEmpty()))
        return std::nullopt;
    // significant digits: from the first non-zero digit to the end of the integer part, or to the
    // last non-zero digit of the fraction
    const auto withoutLeadingZeros = [](QStringView digits) {
        while (digits.startsWith(u'0'))
            digits = digits.sliced(1);
        return digits;
    };
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    const QStringView integerDigits = withoutLeadingZeros(integer);
    const qsizetype significant
        = integerDigits.isEmpty() ? withoutLeadingZeros(fraction).size() : integerDigits.size() + fraction.size();
    if (significant > kMaxSignificantDigits)
        return std::nullopt;
    // the text is ASCII here
    QVarLengthArray<char, 64> ascii(text.size());
    std::transform(text.begin(), text.end(), ascii.begin(), [](QChar c) { return char(c.unicode()); });
    double number = 0;
    std::from_chars(ascii.begin(), ascii.end(), number);
    return number + 0.0; // + 0.0 turns "-0" into 0
}

// The month of an English abbreviation in any case ("jun" is 6), or 0.
int monthOf(QStringView abbreviation)
{
    static const std::array<QString, 12> names = [] {
        std::array<QString, 12> read;
        for (int month = 1; month <= 12; ++month)
            read[month - 1] = runtime::MonthName(month, true);
        return read;
    }();
    for (int month = 1; month <= 12; ++month)
        if (abbreviation.compare(names[month - 1], Qt::CaseInsensitive) == 0)
            return month;
    return 0;
}

// The forms of pasted dates and of the times after them, and the number formats they keep.
enum DateForm { DayMonthNameYear, DayMonthNameShortYear, DashedDate, DashedShortYear, SlashedDate, SlashedShortYear,
    YearFirst };
enum TimeForm { NoTime, HoursMinutes, HoursMinutesSeconds };

const QString& numberFormatOf(DateForm date, TimeForm time)
{
    static const std::array<std::array<QString, 3>, 7> formats = [] {
        const char* const dates[] = {"dd-mmm-yyyy", "dd-mmm-yy", "dd-mm-yyyy", "dd-mm-yy", "dd/mm/yyyy", "dd/mm/yy",
            "yyyy-mm-dd"};
        const char* const times[] = {"", " hh:mm", " hh:mm:ss"};
        std::array<std::array<QString, 3>, 7> made;
        for (int d = 0; d < 7; ++d)
            for (int t = 0; t < 3; ++t)
                made[d][t] = QLatin1String(dates[d]) + QLatin1String(times[t]);
        return made;
    }();
    return formats[date][time];
}

// What follows the date: nothing, or blanks and H:mm or H:mm:ss; null when something else follows.
std::optional<std::pair<QTime, TimeForm>> timeAfterDate(Reader& reader)
{
    if (reader.atEnd())
        return std::pair{QTime(0, 0), NoTime};
    if (!reader.blanks())
        return std::nullopt;
    const std::optional<QStringView> hour = reader.digits({1, 2});
    if (!hour || !reader.skip(u':'))
        return std::nullopt;
    const std::optional<QStringView> minute = reader.digits({2});
    if (!minute)
        return std::nullopt;
    std::optional<QStringView> second;
    if (reader.skip(u':') && !(second = reader.digits({2})))
        return std::nullopt;
    if (!reader.atEnd())
        return std::nullopt;
    return std::pair{QTime(toInt(*hour), toInt(*minute), second ? toInt(*second) : 0),
        second ? HoursMinutesSeconds : HoursMinutes};
}

struct DatePart {
    QDate date;
    DateForm form;
};

// 07-Jun-2026 or 07-Jun-26.
std::optional<DatePart> dayMonthNameYear(Reader reader, Reader& rest)
{
    const std::optional<QStringView> day = reader.digits({1, 2});
    if (!day || !reader.skip(u'-'))
        return std::nullopt;
    const std::optional<QStringView> month = reader.letters(3);
    if (!month || !reader.skip(u'-'))
        return std::nullopt;
    const std::optional<QStringView> year = reader.digits({4, 2});
    if (!year)
        return std::nullopt;
    rest = reader;
    return DatePart{QDate(runtime::FullYear(year->toString()), monthOf(*month), toInt(*day)),
        year->size() == 4 ? DayMonthNameYear : DayMonthNameShortYear};
}

// 07-06-2026, 07/06/2026 or the same with a two-digit year; both separators alike.
std::optional<DatePart> dayMonthYear(Reader reader, Reader& rest)
{
    const std::optional<QStringView> day = reader.digits({1, 2});
    const std::optional<QChar> separator = day ? reader.next() : std::nullopt;
    if (!separator || (*separator != u'-' && *separator != u'/'))
        return std::nullopt;
    const std::optional<QStringView> month = reader.digits({1, 2});
    if (!month || !reader.skip(*separator))
        return std::nullopt;
    const std::optional<QStringView> year = reader.digits({4, 2});
    if (!year)
        return std::nullopt;
    rest = reader;
    return DatePart{QDate(runtime::FullYear(year->toString()), toInt(*month), toInt(*day)),
        *separator == u'-' ? (year->size() == 4 ? DashedDate : DashedShortYear)
                           : (year->size() == 4 ? SlashedDate : SlashedShortYear)};
}

// 2026-06-07.
std::optional<DatePart> yearMonthDay(Reader reader, Reader& rest)
{
    const std::optional<QStringView> year = reader.digits({4});
    if (!year || !reader.skip(u'-'))
        return std::nullopt;
    const std::optional<QStringView> month = reader.digits({1, 2});
    if (!month || !reader.skip(u'-'))
        return std::nullopt;
    const std::optional<QStringView> day = reader.digits({1, 2});
    if (!day)
        return std::nullopt;
    rest = reader;
    return DatePart{QDate(toInt(*year), toInt(*month), toInt(*day)), YearFirst};
}

std::optional<PastedValue> toDate(QStringView text)
{
    Reader rest(text);
    std::optional<DatePart> part = dayMonthNameYear(Reader(text), rest);
    if (!part)
        part = dayMonthYear(Reader(text), rest);
    if (!part)
        part = yearMonthDay(Reader(text), rest);
    if (!part)
        return std::nullopt;
    const std::optional<std::pair<QTime, TimeForm>> time = timeAfterDate(rest);
    if (!time || !part->date.isValid() || part->date.year() < 1900 || !time->first.isValid())
        return std::nullopt;
    return PastedValue{QDateTime(part->date, time->first, Qt::UTC), numberFormatOf(part->form, time->second)};
}

} // namespace

bool PastedCells::readQuoted(qsizetype& at)
{
    if (at == m_text.size() || m_text[at] != u'"')
        return false;
    m_unquoted.clear();
    for (qsizetype from = at + 1;;) {
        const qsizetype quote = m_text.indexOf(u'"', from);
        if (quote < 0)
            return false; // never closed: the quote is text
        m_unquoted += m_text.sliced(from, quote - from);
        if (quote + 1 == m_text.size() || m_text[quote + 1] != u'"') {
            at = quote + 1;
            return true;
        }
        m_unquoted += u'"';
        from = quote + 2;
    }
}

bool PastedCells::next()
{
    const qsizetype size = m_text.size();
    // a line break at the very end leaves no row after it
    if (m_next > size || (m_next == size && m_nextColumn == 0))
        return false;
    qsizetype end = m_next;
    const bool quoted = readQuoted(end);
    const qsizetype afterQuote = end;
    while (end < size && !isSeparator(m_text[end]))
        ++end;
    if (quoted) {
        m_unquoted += m_text.sliced(afterQuote, end - afterQuote);
        m_cell = m_unquoted;
    } else {
        m_cell = m_text.sliced(m_next, end - m_next);
    }
    m_row = m_nextRow;
    m_column = m_nextColumn;
    if (end < size && m_text[end] == u'\t') {
        ++m_nextColumn;
        m_next = end + 1;
        return true;
    }
    ++m_nextRow;
    m_nextColumn = 0;
    if (end == size)
        m_next = size + 1;
    else if (m_text[end] == u'\r' && end + 1 < size && m_text[end + 1] == u'\n')
        m_next = end + 2;
    else
        m_next = end + 1;
    return true;
}

void appendPastedCell(QString& text, QStringView cell)
{
    if (!cell.startsWith(u'"') && std::none_of(cell.begin(), cell.end(), isSeparator)) {
        text += cell;
        return;
    }
    text += u'"';
    for (const QChar c : cell) {
        if (c == u'"')
            text += u'"';
        text += c;
    }
    text += u'"';
}

PastedValue convertPastedText(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return text.isEmpty() ? PastedValue{} : PastedValue{text.toString(), QString()};
    if (const std::optional<double> number = toNumber(trimmed))
        return PastedValue{*number, QString()};
    if (std::optional<PastedValue> date = toDate(trimmed))
        return *date;
    return PastedValue{text.toString(), QString()};
}

} // namespace excel
