#pragma once

#include <QDate>
#include <QString>

#include <optional>

// The statements of the POD query window's search by booking date, mode, party and consignee name.
// Typed and stored texts are quoted with db::sqlQuote; the date goes through db::sqlDate.
namespace podquery {

// What the booking mode box asks for: any transaction mode, paid bookings or account-party ones.
enum class FindMode { Any, Cash, Credit };

// The mode of the box's text: "Cash" and "Credit" (trimmed) choose theirs, any other text none.
FindMode findModeOf(const QString& modeText);

// The account parties with bookings on the date, in code order: of every branch, or of the given
// branch only.
QString partyCodesStatement(const QDate& bookingDate, bool everyBranch, const QString& branchCode);

// A party list item: the code in a field of 10 characters, "-", the name in a field of 30 (each
// padded with blanks or cut).
QString partyItemText(const QString& code, const QString& name);

// The text as a LIKE pattern matching itself and whatever follows: its %, _ and [ are taken as
// they are.
QString likePrefixPattern(const QString& text);

// The date's bookings that are not cancelled, in the order of their first consignee line:
// - Any: of every transaction mode, with a first consignee line;
// - Cash: the paid ones, with a first consignee line;
// - Credit: the account-party ones, of the party when partyCode has a value (Null lines too).
// A namePrefix that is not empty keeps the bookings whose first consignee line starts with it.
QString findStatement(const QDate& bookingDate, FindMode mode, const std::optional<QString>& partyCode,
                      const QString& namePrefix);

} // namespace podquery
