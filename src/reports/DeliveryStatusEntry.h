#pragma once

#include <QDate>
#include <QString>

#include <optional>

// What the clerk types and picks in the delivery status report, read as the report needs it.
namespace reports {

// A party as its list shows it: the name in exactly 30 characters (padded or cut), "-", the code
// in exactly 10: 41 characters that line up in a fixed-pitch font. The list keeps the full code
// beside the item for the filter.
QString statusPartyItem(const QString& name, const QString& code);

// The consignment number a box holds: the digits read from the left (blanks skipped, up to the
// first other character), without leading zeros, "0" when there are none. Empty when it has more
// than 18 digits, more than the server's numbers hold.
std::optional<QString> consignmentDigits(const QString& text);

// What is wrong with the consignment-number range, checked in this order.
enum class NumberRangeFault { None, FromMissing, ToMissing, ToBelowFrom };
// The From box alone, as its Enter checks it: empty, or a number too long.
NumberRangeFault checkFromNumber(const QString& fromText);
// Both boxes, as the To box's Enter and the processing check them; an equal To is accepted.
NumberRangeFault checkNumberRange(const QString& fromText, const QString& toText);
QString numberRangeMessage(NumberRangeFault fault);

// What is wrong with the booking dates of the date run, checked in this order: From later than
// To, or a date outside the years the month databases hold, whose month's database would be
// another century's.
enum class DateRangeFault { None, Reversed, FromOutsideYears, ToOutsideYears };
DateRangeFault checkBookingDates(const QDate& from, const QDate& to);
QString dateRangeMessage(DateRangeFault fault);
// The refusal of a booking month of the number run outside those years.
QString bookingMonthMessage();

} // namespace reports
