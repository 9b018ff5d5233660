#include "platform/runtime/DateMath.h"
#include "platform/runtime/WallClock.h"

#include "platform/runtime/RuntimeError.h"

#include <QLocale>
#include <cmath>

namespace runtime {
namespace {

const QDate serialEpoch(1899, 12, 30);
constexpr int secondsPerDay = 24 * 60 * 60;

} // namespace

QDate DateSerial(int year, int month, int day)
{
    if (year >= 0 && year < 30)
        year += 2000;
    else if (year >= 30 && year < 100)
        year += 1900;
    return QDate(year, 1, 1).addMonths(month - 1).addDays(day - 1);
}

QDateTime DateAdd(const QString& interval, int number, const QDateTime& date)
{
    QDateTime moved = date;
    moved.setDate(DateAdd(interval, number, date.date()));
    return moved;
}

QDate DateAdd(const QString& interval, int number, const QDate& date)
{
    const QString unit = interval.toLower();
    if (unit == u"d")
        return date.addDays(number);
    if (unit == u"m")
        return date.addMonths(number);
    if (unit == u"yyyy")
        return date.addYears(number);
    throw RuntimeError(ErrorNumber::InvalidProcedureCall);
}

int Day(const QDate& date)
{
    return date.day();
}

int Month(const QDate& date)
{
    return date.month();
}

int Year(const QDate& date)
{
    return date.year();
}

int Weekday(const QDate& date, int firstDayOfWeek)
{
    const int fromSunday = date.dayOfWeek() % 7; // 0 = Sunday
    return (fromSunday - (firstDayOfWeek - 1) + 7) % 7 + 1;
}

QString MonthName(int month, bool abbreviate)
{
    if (month < 1 || month > 12)
        throw RuntimeError(ErrorNumber::InvalidProcedureCall);
    return QLocale(QLocale::English, QLocale::UnitedStates)
        .monthName(month, abbreviate ? QLocale::ShortFormat : QLocale::LongFormat);
}

int MonthFromAbbreviation(const QString& abbreviation)
{
    for (int month = 1; month <= 12; ++month) {
        if (abbreviation.compare(MonthName(month, true), Qt::CaseInsensitive) == 0)
            return month;
    }
    return 0;
}

int FullYear(const QString& digits)
{
    const int year = digits.toInt();
    return digits.size() > 2 ? year : DateSerial(year, 1, 1).year();
}

QDateTime DateFromSerial(double serial)
{
    const double days = std::trunc(serial);
    const qint64 seconds = std::llround(std::fabs(serial - days) * secondsPerDay);
    return WallDateTime(serialEpoch.addDays(qint64(days))).addSecs(seconds);
}

double SerialFromDate(const QDateTime& date)
{
    const double days = double(serialEpoch.daysTo(date.date()));
    const double timeOfDay = date.time().msecsSinceStartOfDay() / (1000.0 * secondsPerDay);
    return days < 0 ? days - timeOfDay : days + timeOfDay;
}

} // namespace runtime
