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

} // namespace db
