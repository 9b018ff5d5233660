#include "platform/db/SqliteFunctions.h"

#include "platform/db/ServerClock.h"
#include "platform/db/ServerDates.h"
#include "platform/runtime/WallClock.h"

#include <QRegularExpression>
#include <QString>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <string_view>

namespace db {

namespace {

std::string_view textOf(sqlite3_value* v)
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? std::string_view(p, size_t(sqlite3_value_bytes(v))) : std::string_view();
}

QString qtextOf(sqlite3_value* v)
{
    const std::string_view s = textOf(v);
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

void resultText(sqlite3_context* ctx, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

std::string_view trimRight(std::string_view s)
{
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

bool isAscii(std::string_view s)
{
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// ---- collations ---------------------------------------------------------------------------------

// An ASCII letter in lower case, any other byte as it is.
constexpr unsigned char foldAscii(unsigned char c) { return unsigned(c - 'A') < 26u ? c + ('a' - 'A') : c; }

// Text as the server's default collation compares it: case-insensitive, trailing blanks ignored.
// ASCII letters compare by their lower case, byte by byte; where the texts first differ in a byte
// outside ASCII, they compare as Unicode text does, case-insensitively.
int compareText(void*, int n1, const void* p1, int n2, const void* p2)
{
    const std::string_view a = trimRight({static_cast<const char*>(p1), size_t(n1)});
    const std::string_view b = trimRight({static_cast<const char*>(p2), size_t(n2)});
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca == cb)
            continue;
        if ((ca | cb) >= 0x80)
            return QString::fromUtf8(a.data(), qsizetype(a.size()))
                .compare(QString::fromUtf8(b.data(), qsizetype(b.size())), Qt::CaseInsensitive);
        const unsigned char fa = foldAscii(ca), fb = foldAscii(cb);
        if (fa != fb)
            return fa < fb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Date-times compare as moments whichever stored form they have; other text compares as text.
int compareDate(void* p, int n1, const void* p1, int n2, const void* p2)
{
    char ca[24], cb[24];
    const int la = canonicalIsoDate({static_cast<const char*>(p1), size_t(n1)}, ca);
    const int lb = canonicalIsoDate({static_cast<const char*>(p2), size_t(n2)}, cb);
    if (la == 0 || lb == 0)
        return compareText(p, n1, p1, n2, p2);
    const std::string_view a(ca, size_t(la)), b(cb, size_t(lb));
    const int c = a.substr(0, 19).compare(b.substr(0, 19));
    if (c != 0)
        return c < 0 ? -1 : 1;
    // "x" and "x.000" are the same moment
    const std::string_view fa = la > 19 ? a.substr(20) : "000", fb = lb > 19 ? b.substr(20) : "000";
    return fa.compare(fb) < 0 ? -1 : (fa == fb ? 0 : 1);
}

// ---- functions ----------------------------------------------------------------------------------

void getdate(sqlite3_context* ctx, int, sqlite3_value**)
{
    resultText(ctx, storedDateTime(ServerClock::now()));
}

// A number as text holds it: exact when the text is a whole number within 64 bits.
struct ParsedNumber {
    double value = 0;
    std::optional<qint64> exact;
};

std::optional<ParsedNumber> parseNumber(std::string_view s)
{
    const QString t = QString::fromUtf8(s.data(), qsizetype(s.size())).trimmed();
    bool ok = false;
    ParsedNumber n;
    if (const qint64 whole = t.toLongLong(&ok); ok) {
        n.exact = whole;
        n.value = double(whole);
        return n;
    }
    n.value = t.toDouble(&ok);
    if (!ok || !std::isfinite(n.value))
        return std::nullopt;
    return n;
}

// Whether a whole number held as a double lies within min..max (false for infinity and NaN).
bool fits(double whole, qint64 min, qint64 max)
{
    // double(max) + 1 is exact for the small types and rounds to 2^63 for bigint, as it should
    return whole >= double(min) && whole < double(max) + 1.0;
}

void overflowError(sqlite3_context* ctx, const QString& from, const QString& type)
{
    const QByteArray msg = QStringLiteral("Arithmetic overflow error converting %1 to data type %2.").arg(from, type).toUtf8();
    sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
}

struct IntegerType {
    const char* name;
    qint64 min;
    qint64 max;
};

// The whole-number type a convert names, with its range.
std::optional<IntegerType> integerType(const QString& type)
{
    static constexpr IntegerType types[] = {
        {"tinyint", 0, 255},
        {"smallint", std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()},
        {"bigint", std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()},
        {"int", std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()},
    };
    for (const IntegerType& t : types)
        if (type.startsWith(QLatin1String(t.name)))
            return t;
    return std::nullopt;
}

// The largest magnitude (exclusive) a convert to decimal(p,s), numeric(p,s) or money can hold;
// nothing for the types without a limit of their own (float, real).
std::optional<double> decimalLimit(const QString& type)
{
    if (type.startsWith(u"smallmoney"))
        return 214748.3648;
    if (type.startsWith(u"money"))
        return 922337203685477.5808;
    if (!type.startsWith(u"dec") && !type.startsWith(u"numeric"))
        return std::nullopt;
    static const QRegularExpression size(QStringLiteral("\\(\\s*(\\d+)\\s*(?:,\\s*(\\d+)\\s*)?\\)"));
    const auto m = size.match(type);
    const int precision = m.hasMatch() ? m.captured(1).toInt() : 18;
    const int scale = m.hasMatch() ? m.captured(2).toInt() : 0;
    return std::pow(10.0, precision - scale);
}

// ISNUMERIC as the server answers it: blanks around, a currency sign, a sign, digits with
// thousands commas, a decimal point and an exponent; a lone sign, point or currency sign counts.
void isnumeric(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
        sqlite3_result_int(ctx, 1);
        return;
    }
    static const QRegularExpression number(QStringLiteral(
        "^\\s*(\\$?[+-]?|[+-]?\\$?)([0-9,]*\\.?[0-9]*|([0-9,]*\\.?[0-9]+|[0-9,]+\\.?)[eEdD][+-]?[0-9]+)\\s*$"));
    const QString text = qtextOf(argv[0]);
    const bool numeric = type == SQLITE_TEXT && !text.trimmed().isEmpty() && number.match(text).hasMatch();
    sqlite3_result_int(ctx, numeric ? 1 : 0);
}

void leftRight(sqlite3_context* ctx, int, sqlite3_value** argv, bool fromLeft)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString s = qtextOf(argv[0]);
    const qsizetype n = qMax<qsizetype>(0, sqlite3_value_int64(argv[1]));
    resultText(ctx, fromLeft ? s.left(n) : s.right(n));
}

void left(sqlite3_context* ctx, int argc, sqlite3_value** argv) { leftRight(ctx, argc, argv, true); }
void right(sqlite3_context* ctx, int argc, sqlite3_value** argv) { leftRight(ctx, argc, argv, false); }

// substring(value, start, length): the characters at positions start to start + length - 1 that
// the value has (the first is 1), a NUL among them as any other.
void substring(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    for (int i = 0; i < 3; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return sqlite3_result_null(ctx);
    const qint64 start = sqlite3_value_int64(argv[1]), length = sqlite3_value_int64(argv[2]);
    if (length < 0)
        return sqlite3_result_error(ctx, "Invalid length parameter passed to the substring function.", -1);
    const qint64 first = std::max<qint64>(start, 1);
    qint64 end = 0; // after the last position
    if (__builtin_add_overflow(start, length, &end))
        end = std::numeric_limits<qint64>::max();
    resultText(ctx, end > first ? qtextOf(argv[0]).mid(first - 1, end - first) : QString());
}

// len() counts characters without the trailing blanks.
void len(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    QString s = qtextOf(argv[0]);
    while (s.endsWith(u' '))
        s.chop(1);
    sqlite3_result_int64(ctx, s.size());
}

void datePart(sqlite3_context* ctx, sqlite3_value* v, int part)
{
    const auto d = readDateTime(qtextOf(v));
    if (sqlite3_value_type(v) == SQLITE_NULL || !d) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_int(ctx, part == 0 ? d->date().year() : part == 1 ? d->date().month() : d->date().day());
}

void year(sqlite3_context* ctx, int, sqlite3_value** argv) { datePart(ctx, argv[0], 0); }
void month(sqlite3_context* ctx, int, sqlite3_value** argv) { datePart(ctx, argv[0], 1); }
void day(sqlite3_context* ctx, int, sqlite3_value** argv) { datePart(ctx, argv[0], 2); }

QString numberText(sqlite3_value* v)
{
    if (sqlite3_value_type(v) == SQLITE_INTEGER)
        return QString::number(sqlite3_value_int64(v));
    return QString::number(sqlite3_value_double(v), 'g', 15);
}

// The text of a stored date-time in a convert's date style, written from the stored bytes, as
// the general conversion below writes it; empty when the bytes are not a valid stored date-time.
std::string styledStoredDate(std::string_view stored, int style)
{
    char c[24];
    const int n = canonicalIsoDate(stored, c);
    if (n == 0 || !canonicalIsoMSecs(c, n))
        return {};
    std::string text;
    const auto part = [&](int at, int count) { text.append(c + at, size_t(count)); };
    switch (style) {
    case 103: part(8, 2), text += '/', part(5, 2), text += '/', part(0, 4); break;
    case 105: part(8, 2), text += '-', part(5, 2), text += '-', part(0, 4); break;
    case 101: part(5, 2), text += '/', part(8, 2), text += '/', part(0, 4); break;
    case 112: part(0, 4), part(5, 2), part(8, 2); break;
    case 108: part(11, 8); break;
    case 121: part(0, 19), n == 23 ? part(19, 4) : void(text += ".000"); break;
    default: part(0, 19); break; // 120
    }
    return text;
}

// The length of a char type ("varchar(10)"); 30 when it names none.
int charLength(std::string_view type)
{
    const size_t open = type.find('('), close = type.find(')');
    if (open == std::string_view::npos || close == std::string_view::npos || open == 0 || close <= open)
        return 30;
    int length = 0;
    std::from_chars(type.data() + open + 1, type.data() + close, length);
    return length;
}

// convert(type, value[, style]) for the types and styles the program uses.
void convert(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    sqlite3_value* value = argv[1];
    const int style = argc > 2 ? sqlite3_value_int(argv[2]) : 0;
    const int valueType = sqlite3_value_type(value);
    if (valueType == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    // most converts of a report's rows write a stored date in a style: from the bytes alone
    if (const std::string_view typeName = textOf(argv[0]);
        valueType == SQLITE_TEXT && style != 0 && typeName.find("char") != std::string_view::npos) {
        if (std::string text = styledStoredDate(textOf(value), style); !text.empty()) {
            if (const int length = charLength(typeName); length > 0 && size_t(length) < text.size())
                text.resize(size_t(length));
            sqlite3_result_text(ctx, text.data(), int(text.size()), SQLITE_TRANSIENT);
            return;
        }
    }
    const QString type = qtextOf(argv[0]);
    if (type.contains(u"char")) {
        QString text;
        const std::optional<QDateTime> asDate =
            valueType == SQLITE_TEXT && style != 0 ? readDateTime(qtextOf(value)) : std::nullopt;
        if (asDate) {
            switch (style) {
            case 103: text = asDate->toString(QStringLiteral("dd/MM/yyyy")); break;
            case 105: text = asDate->toString(QStringLiteral("dd-MM-yyyy")); break;
            case 101: text = asDate->toString(QStringLiteral("MM/dd/yyyy")); break;
            case 112: text = asDate->toString(QStringLiteral("yyyyMMdd")); break;
            case 108: text = asDate->toString(QStringLiteral("HH:mm:ss")); break;
            case 121: text = asDate->toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")); break;
            default: text = storedDateTime(*asDate); break; // 120
            }
        } else if (valueType == SQLITE_INTEGER || valueType == SQLITE_FLOAT) {
            text = numberText(value);
        } else {
            text = qtextOf(value);
        }
        // Text and dates are cut to the length; a number is never cut to a wrong number.
        const qsizetype open = type.indexOf(u'('), close = type.indexOf(u')');
        const int length = open > 0 && close > open ? type.mid(open + 1, close - open - 1).toInt() : 30;
        const bool isNumber = valueType == SQLITE_INTEGER || valueType == SQLITE_FLOAT;
        resultText(ctx, isNumber || length <= 0 ? text : text.left(length));
        return;
    }
    if (type.contains(u"date")) {
        const auto d = valueType == SQLITE_TEXT ? readDateTime(qtextOf(value), style) : std::nullopt;
        if (!d) {
            sqlite3_result_error(ctx, "Conversion failed when converting date and/or time from character string.", -1);
            return;
        }
        resultText(ctx, storedDateTime(*d));
        return;
    }
    ParsedNumber number;
    if (valueType == SQLITE_TEXT) {
        const auto parsed = parseNumber(textOf(value));
        if (!parsed) {
            const QByteArray msg = QStringLiteral("Conversion failed when converting the varchar value '%1' to data type %2.")
                                       .arg(qtextOf(value), type).toUtf8();
            sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
            return;
        }
        number = *parsed;
    } else {
        number.value = sqlite3_value_double(value);
        if (valueType == SQLITE_INTEGER)
            number.exact = sqlite3_value_int64(value);
    }
    if (const auto integer = integerType(type)) {
        const double whole = std::trunc(number.value);
        const bool inRange = number.exact ? *number.exact >= integer->min && *number.exact <= integer->max
                                          : fits(whole, integer->min, integer->max);
        if (!inRange)
            overflowError(ctx, QStringLiteral("expression"), QLatin1String(integer->name));
        else
            sqlite3_result_int64(ctx, number.exact ? *number.exact : qint64(whole));
        return;
    }
    if (!std::isfinite(number.value)) {
        overflowError(ctx, QStringLiteral("expression"), type.section(u'(', 0, 0));
        return;
    }
    if (const auto limit = decimalLimit(type); limit && std::abs(number.value) >= *limit) {
        const bool money = type.contains(u"money");
        const QString from = money ? QStringLiteral("expression")
                             : valueType == SQLITE_TEXT    ? QStringLiteral("varchar")
                             : valueType == SQLITE_INTEGER ? QStringLiteral("int")
                                                           : QStringLiteral("numeric");
        overflowError(ctx, from, money ? type.section(u'(', 0, 0) : QStringLiteral("numeric"));
        return;
    }
    sqlite3_result_double(ctx, number.value);
}

void addWhole(sqlite3_context* ctx, qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        overflowError(ctx, QStringLiteral("expression"), QStringLiteral("bigint"));
    else
        sqlite3_result_int64(ctx, sum);
}

void addReal(sqlite3_context* ctx, double a, double b)
{
    const double sum = a + b;
    if (!std::isfinite(sum))
        overflowError(ctx, QStringLiteral("expression"), QStringLiteral("float"));
    else
        sqlite3_result_double(ctx, sum);
}

// A date-time plus a number of days (a fraction is part of a day), within the server's datetime
// range 1753-01-01 to 9999-12-31.
void addDays(sqlite3_context* ctx, const QDateTime& start, double days)
{
    static const QDateTime first = runtime::WallDateTime(QDate(1753, 1, 1));
    static const QDateTime last = runtime::WallDateTime(QDate(9999, 12, 31), QTime(23, 59, 59, 999));
    // beyond 1e16 ms (some 300,000 years) no day count can stay in the range
    const double ms = std::round(days * 86400000.0);
    const QDateTime end = std::abs(ms) < 1e16 ? start.addMSecs(qint64(ms)) : QDateTime();
    if (!end.isValid() || end < first || end > last)
        overflowError(ctx, QStringLiteral("expression"), QStringLiteral("datetime"));
    else
        resultText(ctx, storedDateTime(end));
}

// a + b as the server evaluates it: text joins text, numbers add, a date plus a number adds days,
// and Null gives Null. A sum beyond its type's range fails as an arithmetic overflow.
void add(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    sqlite3_value* a = argv[0];
    sqlite3_value* b = argv[1];
    const int ta = sqlite3_value_type(a), tb = sqlite3_value_type(b);
    if (ta == SQLITE_NULL || tb == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const bool textA = ta == SQLITE_TEXT || ta == SQLITE_BLOB, textB = tb == SQLITE_TEXT || tb == SQLITE_BLOB;
    if (textA && textB) {
        const std::string_view sa = textOf(a), sb = textOf(b);
        std::string joined;
        joined.reserve(sa.size() + sb.size());
        joined.append(sa).append(sb);
        sqlite3_result_text(ctx, joined.data(), int(joined.size()), SQLITE_TRANSIENT);
        return;
    }
    if (!textA && !textB) {
        if (ta == SQLITE_INTEGER && tb == SQLITE_INTEGER)
            addWhole(ctx, sqlite3_value_int64(a), sqlite3_value_int64(b));
        else
            addReal(ctx, sqlite3_value_double(a), sqlite3_value_double(b));
        return;
    }
    sqlite3_value* text = textA ? a : b;
    sqlite3_value* number = textA ? b : a;
    if (const auto d = readDateTime(qtextOf(text))) {
        addDays(ctx, *d, sqlite3_value_double(number));
        return;
    }
    const auto parsed = parseNumber(textOf(text));
    if (!parsed) {
        const QByteArray msg =
            QStringLiteral("Conversion failed when converting the varchar value '%1' to data type int.").arg(qtextOf(text)).toUtf8();
        sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
        return;
    }
    if (sqlite3_value_type(number) != SQLITE_INTEGER || parsed->value != std::trunc(parsed->value))
        addReal(ctx, parsed->value, sqlite3_value_double(number));
    else if (!parsed->exact && !fits(parsed->value, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()))
        overflowError(ctx, QStringLiteral("expression"), QStringLiteral("bigint"));
    else
        addWhole(ctx, parsed->exact ? *parsed->exact : qint64(parsed->value), sqlite3_value_int64(number));
}

// ---- LIKE ---------------------------------------------------------------------------------------

// T-SQL LIKE over a pattern of characters C: % any run, _ one character, [abc] [a-c] [^x] a class,
// and an optional escape character before a character to take as it is. Characters compare after
// Fold (the text collation's case rule). Blanks at the end of the value do not count; those at the
// end of the pattern do.
template <typename C, typename Fold>
class LikePattern {
public:
    // escape: the escape character, or null for none
    LikePattern(const C* pattern, size_t size, const char32_t* escape) : m_p(pattern), m_size(size), m_escape(escape) {}

    bool matches(const C* v, size_t size) const
    {
        constexpr size_t none = size_t(-1);
        size_t pi = 0, vi = 0, starP = none, starV = 0;
        for (;;) {
            if (pi < m_size && m_p[pi] == C('%')) {
                while (pi < m_size && m_p[pi] == C('%'))
                    ++pi;
                if (pi == m_size)
                    return true;
                starP = pi;
                vi = starV = seek(pi, v, vi, size);
                continue;
            }
            if (pi == m_size) {
                if (blanksOnly(v, vi, size))
                    return true;
            } else if (vi < size) {
                bool takes = false;
                const size_t length = element(pi, v[vi], takes);
                if (takes) {
                    pi += length;
                    ++vi;
                    continue;
                }
            }
            // the last % takes one more character and the rest is tried again from there
            if (starP == none || starV >= size)
                return false;
            pi = starP;
            vi = starV = seek(pi, v, starV + 1, size);
        }
    }

private:
    static bool blanksOnly(const C* v, size_t from, size_t size)
    {
        for (size_t i = from; i < size; ++i)
            if (v[i] != C(' '))
                return false;
        return true;
    }

    // Where the element at pi can first take a character of v from "from" on: the next occurrence
    // of a plain character, else "from" itself.
    size_t seek(size_t pi, const C* v, size_t from, size_t size) const
    {
        const C x = m_p[pi];
        if (x == C('_') || x == C('[') || (m_escape && char32_t(x) == *m_escape))
            return from;
        const C wanted = Fold()(x);
        while (from < size && Fold()(v[from]) != wanted)
            ++from;
        return from;
    }

    // The length of the pattern element at i (not a %), and whether it takes the character c.
    size_t element(size_t i, C c, bool& takes) const
    {
        const C x = m_p[i];
        if (m_escape && char32_t(x) == *m_escape && i + 1 < m_size) {
            takes = Fold()(m_p[i + 1]) == Fold()(c);
            return 2;
        }
        if (x == C('_')) {
            takes = true;
            return 1;
        }
        if (x == C('[')) {
            size_t close = i + 1;
            while (close < m_size && m_p[close] != C(']'))
                ++close;
            if (close < m_size) {
                takes = inClass(i + 1, close, Fold()(c));
                return close - i + 1;
            }
        }
        takes = Fold()(x) == Fold()(c);
        return 1;
    }

    // Whether the class p[from, to) - "^" first negates it, "a-c" is a range - holds the folded c.
    bool inClass(size_t from, size_t to, C c) const
    {
        const bool negated = from < to && m_p[from] == C('^');
        bool found = false;
        for (size_t k = negated ? from + 1 : from; k < to && !found;) {
            if (k + 2 < to && m_p[k + 1] == C('-')) {
                found = Fold()(m_p[k]) <= c && c <= Fold()(m_p[k + 2]);
                k += 3;
            } else {
                found = Fold()(m_p[k]) == c;
                ++k;
            }
        }
        return found != negated;
    }

    const C* m_p;
    size_t m_size;
    const char32_t* m_escape;
};

struct FoldAscii {
    unsigned char operator()(unsigned char c) const { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c | 0x20) : c; }
};

struct FoldedAlready {
    char32_t operator()(char32_t c) const { return c; }
};

// The case-folded code points of UTF-8 text into out (a byte that is not UTF-8 becomes U+FFFD).
void foldUtf8(std::string_view s, std::u32string& out)
{
    out.clear();
    for (size_t i = 0; i < s.size();) {
        const auto lead = static_cast<unsigned char>(s[i]);
        const size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        size_t k = 1;
        for (; k < length && i + k < s.size() && (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80; ++k)
            c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        if (length == 0 || k < length) {
            c = 0xFFFD;
            k = std::max<size_t>(k, 1);
        }
        out.push_back(QChar::toCaseFolded(c));
        i += k;
    }
}

// like(pattern, value[, escape]): "value LIKE pattern [ESCAPE escape]" in the server's way.
void like(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    const auto* patternText = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const auto* valueText = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    if (!patternText || !valueText)
        return; // Null
    const std::string_view pattern(patternText, size_t(sqlite3_value_bytes(argv[0])));
    const std::string_view value(valueText, size_t(sqlite3_value_bytes(argv[1])));
    thread_local std::u32string escape, v;
    escape.clear();
    if (argc == 3) {
        if (sqlite3_value_type(argv[2]) == SQLITE_NULL)
            return;
        foldUtf8(textOf(argv[2]), escape);
        if (escape.size() != 1) {
            const QByteArray msg = QStringLiteral("The invalid escape character \"%1\" was specified in a LIKE predicate.")
                                       .arg(qtextOf(argv[2]))
                                       .toUtf8();
            sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
            return;
        }
    }
    const char32_t* e = escape.empty() ? nullptr : escape.data();
    if (isAscii(pattern) && isAscii(value) && (!e || *e < 0x80)) {
        const LikePattern<unsigned char, FoldAscii> ascii(reinterpret_cast<const unsigned char*>(pattern.data()),
                                                          pattern.size(), e);
        sqlite3_result_int(ctx, ascii.matches(reinterpret_cast<const unsigned char*>(value.data()), value.size()));
        return;
    }
    // the folded pattern is kept with the statement for the next rows
    auto* p = static_cast<std::u32string*>(sqlite3_get_auxdata(ctx, 0));
    if (!p) {
        p = new std::u32string;
        foldUtf8(pattern, *p);
        sqlite3_set_auxdata(ctx, 0, p, [](void* kept) { delete static_cast<std::u32string*>(kept); });
        p = static_cast<std::u32string*>(sqlite3_get_auxdata(ctx, 0));
        if (!p)
            return sqlite3_result_error_nomem(ctx);
    }
    foldUtf8(value, v);
    sqlite3_result_int(ctx, LikePattern<char32_t, FoldedAlready>(p->data(), p->size(), e).matches(v.data(), v.size()));
}

} // namespace

void registerServerFunctions(sqlite3* db)
{
    sqlite3_create_collation(db, "SQLTEXT", SQLITE_UTF8, nullptr, compareText);
    sqlite3_create_collation(db, "SQLDATE", SQLITE_UTF8, nullptr, compareDate);
    const int deterministic = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "qv_getdate", 0, SQLITE_UTF8, nullptr, getdate, nullptr, nullptr);
    sqlite3_create_function(db, "qv_isnumeric", 1, deterministic, nullptr, isnumeric, nullptr, nullptr);
    sqlite3_create_function(db, "qv_left", 2, deterministic, nullptr, left, nullptr, nullptr);
    sqlite3_create_function(db, "qv_right", 2, deterministic, nullptr, right, nullptr, nullptr);
    sqlite3_create_function(db, "qv_substring", 3, deterministic, nullptr, substring, nullptr, nullptr);
    sqlite3_create_function(db, "qv_len", 1, deterministic, nullptr, len, nullptr, nullptr);
    sqlite3_create_function(db, "qv_year", 1, deterministic, nullptr, year, nullptr, nullptr);
    sqlite3_create_function(db, "qv_month", 1, deterministic, nullptr, month, nullptr, nullptr);
    sqlite3_create_function(db, "qv_day", 1, deterministic, nullptr, day, nullptr, nullptr);
    sqlite3_create_function(db, "qv_convert", 2, deterministic, nullptr, convert, nullptr, nullptr);
    sqlite3_create_function(db, "qv_convert", 3, deterministic, nullptr, convert, nullptr, nullptr);
    sqlite3_create_function(db, "qv_add", 2, deterministic, nullptr, add, nullptr, nullptr);
    sqlite3_create_function(db, "like", 2, deterministic, nullptr, like, nullptr, nullptr);
    sqlite3_create_function(db, "like", 3, deterministic, nullptr, like, nullptr, nullptr);
}

} // namespace db
