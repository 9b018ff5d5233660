#include "platform/db/ServerDates.h"
#include "platform/runtime/WallClock.h"

#include <QRegularExpression>
#include <cstring>

namespace db {

QString storedDateTime(const QDateTime& value)
{
    return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

namespace {

bool digitsAt(std::string_view s, size_t pos, size_t count)
{
    if (pos + count > s.size())
        return false;
    for (size_t i = pos; i < pos + count; ++i)
        if (s[i] < '0' || s[i] > '9')
            return false;
    return true;
}

} // namespace

int canonicalIsoDate(std::string_view s, char out[24])
{
    if (s.size() < 10 || !digitsAt(s, 0, 4) || s[4] != '-' || !digitsAt(s, 5, 2) || s[7] != '-' || !digitsAt(s, 8, 2))
        return 0;
    std::memcpy(out, s.data(), 10);
    std::memcpy(out + 10, " 00:00:00", 9);
    if (s.size() == 10)
        return 19;
    if ((s[10] != ' ' && s[10] != 'T') || !digitsAt(s, 11, 2) || s.size() < 16 || s[13] != ':' || !digitsAt(s, 14, 2))
        return 0;
    std::memcpy(out + 11, s.data() + 11, 5);
    if (s.size() == 16)
        return 19;
    if (s[16] != ':' || !digitsAt(s, 17, 2))
        return 0;
    std::memcpy(out + 17, s.data() + 17, 2);
    if (s.size() == 19)
        return 19;
    // milliseconds: ".f" to ".fff", padded so that .5 and .500 compare equal
    if (s[19] != '.' || s.size() > 23 || !digitsAt(s, 20, s.size() - 20))
        return 0;
    out[19] = '.';
    for (size_t i = 0; i < 3; ++i)
        out[20 + i] = 20 + i < s.size() ? s[20 + i] : '0';
    return 23;
}

std::optional<qint64> readIsoMSecs(std::string_view text)
{
    char canonical[24];
    const int n = canonicalIsoDate(text, canonical);
    return n == 0 ? std::nullopt : canonicalIsoMSecs(canonical, n);
}

std::optional<qint64> canonicalIsoMSecs(const char canonical[24], int n)
{
    const auto number = [&](int at, int digits) {
        int v = 0;
        for (int i = at; i < at + digits; ++i)
            v = v * 10 + (canonical[i] - '0');
        return v;
    };
    const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
    const int hour = number(11, 2), minute = number(14, 2), second = number(17, 2), msec = n == 23 ? number(20, 3) : 0;
    if (!QDate::isValid(year, month, day) || !QTime::isValid(hour, minute, second, msec))
        return std::nullopt;
    constexpr qint64 kMSecsPerDay = 86400000;
    constexpr qint64 kJulianDayOf1970 = 2440588;
    return (QDate(year, month, day).toJulianDay() - kJulianDayOf1970) * kMSecsPerDay
        + ((hour * 60 + minute) * 60 + second) * 1000 + msec;
}

std::optional<QDateTime> readIsoDateTime(std::string_view text)
{
    if (const auto msecs = readIsoMSecs(text))
        return QDateTime::fromMSecsSinceEpoch(*msecs, Qt::UTC);
    return std::nullopt;
}

std::optional<QDateTime> readDateTime(const QString& text, int style)
{
    const QString t = text.trimmed();
    if (style == 103 || style == 105) {
        static const QRegularExpression dmy(QStringLiteral("^(\\d{1,2})[/.-](\\d{1,2})[/.-](\\d{2,4})(?: (\\d{1,2}):(\\d{2})(?::(\\d{2}))?)?$"));
        const auto m = dmy.match(t);
        if (!m.hasMatch())
            return std::nullopt;
        int year = m.captured(3).toInt();
        if (m.captured(3).size() == 2)
            year += year < 50 ? 2000 : 1900;
        const QDate d(year, m.captured(2).toInt(), m.captured(1).toInt());
        const QTime tm(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
        if (!d.isValid() || !tm.isValid())
            return std::nullopt;
        return runtime::WallDateTime(d, tm);
    }
    const QByteArray utf8 = t.toUtf8();
    if (const auto iso = readIsoDateTime(std::string_view(utf8.constData(), size_t(utf8.size()))))
        return iso;
    if (t.size() == 8) {
        const QDate d = QDate::fromString(t, QStringLiteral("yyyyMMdd"));
        if (d.isValid())
            return runtime::WallDateTime(d);
    }
    return std::nullopt;
}

} // namespace db
