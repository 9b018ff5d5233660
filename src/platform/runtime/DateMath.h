#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace runtime {

// DateSerial: month 13 is next January, day 0 the last of the month before; years 0-29 are 20xx, 30-99 19xx.
QDate DateSerial(int year, int month, int day);
// DateAdd for "d", "m", "yyyy" in any case (31 Jan + 1 m = end of Feb); others raise InvalidProcedureCall.
QDateTime DateAdd(const QString& interval, int number, const QDateTime& date);
QDate DateAdd(const QString& interval, int number, const QDate& date);

int Day(const QDate& date);
int Month(const QDate& date);
int Year(const QDate& date);
// Weekday: 1 for firstDayOfWeek (1 = Sunday .. 7 = Saturday) up to 7.
int Weekday(const QDate& date, int firstDayOfWeek = 1);
// MonthName in English whatever the locale ("June", "Jun"); a month outside 1-12 raises InvalidProcedureCall.
QString MonthName(int month, bool abbreviate = false);
// The month of an English three-letter abbreviation in any case ("jun" 6); 0 for anything else.
int MonthFromAbbreviation(const QString& abbreviation);
// A year as typed: two digits or fewer fall in 1930-2029 (as DateSerial reads them), more stand as written.
int FullYear(const QString& digits);

// CDate of a number: whole days since 30 Dec 1899, the fraction the time of day (to the second).
QDateTime DateFromSerial(double serial);
// CDbl of a date: the same day number and fraction.
double SerialFromDate(const QDateTime& date);

} // namespace runtime
