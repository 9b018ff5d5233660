#include "reports/DeliveryStatusEntry.h"

#include "platform/db/MonthDatabases.h"
#include "platform/runtime/Strings.h"

namespace reports {

namespace {

constexpr int kMostDigits = 18;

// Numbers without leading zeros compare by length, then digit by digit.
bool lessThan(const QString& a, const QString& b) { return a.size() != b.size() ? a.size() < b.size() : a < b; }

} // namespace

QString statusPartyItem(const QString& name, const QString& code)
{
    return name.leftJustified(30, u' ', true) + u'-' + code.leftJustified(10, u' ', true);
}

std::optional<QString> consignmentDigits(const QString& text)
{
    QString digits;
    for (const QChar c : text) {
        if (c == u' ')
            continue;
        if (!c.isDigit() || c.unicode() > 127)
            break;
        if (!digits.isEmpty() || c != u'0')
            digits += c;
    }
    if (digits.size() > kMostDigits)
        return std::nullopt;
    return digits.isEmpty() ? QStringLiteral("0") : digits;
}

NumberRangeFault checkFromNumber(const QString& fromText)
{
    if (runtime::Trim(fromText).isEmpty() || !consignmentDigits(fromText))
        return NumberRangeFault::FromMissing;
    return NumberRangeFault::None;
}

NumberRangeFault checkNumberRange(const QString& fromText, const QString& toText)
{
    if (const NumberRangeFault fault = checkFromNumber(fromText); fault != NumberRangeFault::None)
        return fault;
    if (runtime::Trim(toText).isEmpty())
        return NumberRangeFault::ToMissing;
    const std::optional<QString> to = consignmentDigits(toText);
    if (!to || lessThan(*to, *consignmentDigits(fromText)))
        return NumberRangeFault::ToBelowFrom;
    return NumberRangeFault::None;
}

QString numberRangeMessage(NumberRangeFault fault)
{
    switch (fault) {
    case NumberRangeFault::FromMissing: return QStringLiteral("Enter From Consignment No");
    case NumberRangeFault::ToMissing: return QStringLiteral("Enter To Consignment No");
    case NumberRangeFault::ToBelowFrom: return QStringLiteral("Enter Correct To Consignment No.");
    case NumberRangeFault::None: break;
    }
    return QString();
}

DateRangeFault checkBookingDates(const QDate& from, const QDate& to)
{
    if (from > to)
        return DateRangeFault::Reversed;
    if (!db::inMonthDatabaseYears(from))
        return DateRangeFault::FromOutsideYears;
    if (!db::inMonthDatabaseYears(to))
        return DateRangeFault::ToOutsideYears;
    return DateRangeFault::None;
}

QString dateRangeMessage(DateRangeFault fault)
{
    switch (fault) {
    case DateRangeFault::Reversed: return QStringLiteral("Enter Correct Data");
    case DateRangeFault::FromOutsideYears:
    case DateRangeFault::ToOutsideYears:
        return QStringLiteral("Enter Dates from 01-Jan-%1 to 31-Dec-%2")
            .arg(db::kFirstMonthDatabaseYear)
            .arg(db::kLastMonthDatabaseYear);
    case DateRangeFault::None: break;
    }
    return QString();
}

QString bookingMonthMessage()
{
    return QStringLiteral("Enter Booking Month from Jan-%1 to Dec-%2")
        .arg(db::kFirstMonthDatabaseYear)
        .arg(db::kLastMonthDatabaseYear);
}

} // namespace reports
