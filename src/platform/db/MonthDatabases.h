#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace db {

// The month database of a date: the station code, the upper-case English three-letter month and
// the two-digit year (ZEL + JAN + 25). Characters 4 to 6 are the month, 7 and 8 the year.
inline QString monthDatabaseName(const QString& stationCode, const QDate& date)
{
    return stationCode + QLocale(QLocale::English).toString(date, QStringLiteral("MMM")).toUpper()
           + date.toString(QStringLiteral("yy"));
}

// A name tells the year by its last two digits only, so the month databases hold the months of
// one hundred years: ZELDEC26 is December 2026, never 1926 or 2126.
constexpr int kFirstMonthDatabaseYear = 2000;
constexpr int kLastMonthDatabaseYear = 2099;

inline bool inMonthDatabaseYears(const QDate& date)
{
    return date.year() >= kFirstMonthDatabaseYear && date.year() <= kLastMonthDatabaseYear;
}

} // namespace db
