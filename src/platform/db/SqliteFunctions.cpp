#include "platform/db/SqliteFunctions.h"

#include "platform/db/ServerClock.h"
#include "platform/db/ServerDates.h"

#include <QRegularExpression>
#include <QString>
#include <cctype>
#include <cmath>
#include <cstring>
#include <sqlite3.h>
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

// Text as the server's default collation compares it: case-insensitive, trailing blanks ignored.
int compareText(void*, int n1, const void* p1, int n2, const void* p2)
{
    const std::string_view a = trimRight({static_cast<const char*>(p1), size_t(n1)});
    const std::string_view b = trimRight({static_cast<const char*>(p2), size_t(n2)});
    if (isAscii(a) && isAscii(b)) {
        const size_t n = std::min(a.size(), b.size());
        for (size_t i = 0; i < n; ++i) {
            const int ca = std::tolower(static_cast<unsigned char>(a[i]));
            const int cb = std::tolower(static_cast<unsigned char>(b[i]));
            if (ca != cb)
                return ca < cb ? -1 : 1;
        }
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    }
    return QString::fromUtf8(a.data(), qsizetype(a.size()))
        .compare(QString::fromUtf8(b.data(), qsizetype(b.size())), Qt::CaseInsensitive);
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

bool parseNumber(std::string_view s, double& out)
{
    const QString t = QString::fromUtf8(s.data(), qsizetype(s.size())).trimmed();
    bool ok = false;
    out = t.toDouble(&ok);
    return ok;
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

// convert(type, value[, style]) for the types and styles the program uses.
void convert(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    const QString type = qtextOf(argv[0]);
    sqlite3_value* value = argv[1];
    const int style = argc > 2 ? sqlite3_value_int(argv[2]) : 0;
    const int valueType = sqlite3_value_type(value);
    if (valueType == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
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
    double number = 0;
    if (valueType == SQLITE_TEXT && !parseNumber(textOf(value), number)) {
        const QByteArray msg = QStringLiteral("Conversion failed when converting the varchar value '%1' to data type %2.")
                                   .arg(qtextOf(value), type).toUtf8();
        sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
        return;
    }
    if (valueType != SQLITE_TEXT)
        number = sqlite3_value_double(value);
    if (type.contains(u"int"))
        sqlite3_result_int64(ctx, valueType == SQLITE_INTEGER ? sqlite3_value_int64(value) : qint64(std::trunc(number)));
    else
        sqlite3_result_double(ctx, number);
}

// a + b as the server evaluates it: text joins text, numbers add, a date plus a number adds days,
// and Null gives Null.
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
            sqlite3_result_int64(ctx, sqlite3_value_int64(a) + sqlite3_value_int64(b));
        else
            sqlite3_result_double(ctx, sqlite3_value_double(a) + sqlite3_value_double(b));
        return;
    }
    sqlite3_value* text = textA ? a : b;
    sqlite3_value* number = textA ? b : a;
    if (const auto d = readDateTime(qtextOf(text))) {
        const double days = sqlite3_value_double(number);
        resultText(ctx, storedDateTime(d->addMSecs(qint64(std::llround(days * 86400000.0)))));
        return;
    }
    double parsed = 0;
    if (!parseNumber(textOf(text), parsed)) {
        const QByteArray msg =
            QStringLiteral("Conversion failed when converting the varchar value '%1' to data type int.").arg(qtextOf(text)).toUtf8();
        sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
        return;
    }
    if (sqlite3_value_type(number) == SQLITE_INTEGER && parsed == std::trunc(parsed))
        sqlite3_result_int64(ctx, qint64(parsed) + sqlite3_value_int64(number));
    else
        sqlite3_result_double(ctx, parsed + sqlite3_value_double(number));
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
    sqlite3_create_function(db, "qv_len", 1, deterministic, nullptr, len, nullptr, nullptr);
    sqlite3_create_function(db, "qv_year", 1, deterministic, nullptr, year, nullptr, nullptr);
    sqlite3_create_function(db, "qv_month", 1, deterministic, nullptr, month, nullptr, nullptr);
    sqlite3_create_function(db, "qv_day", 1, deterministic, nullptr, day, nullptr, nullptr);
    sqlite3_create_function(db, "qv_convert", 2, deterministic, nullptr, convert, nullptr, nullptr);
    sqlite3_create_function(db, "qv_convert", 3, deterministic, nullptr, convert, nullptr, nullptr);
    sqlite3_create_function(db, "qv_add", 2, deterministic, nullptr, add, nullptr, nullptr);
}

} // namespace db
