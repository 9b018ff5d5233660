#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

// Numbers and dates as the consignment statements write them.
namespace consignment {

// A typed consignment number as the statements write it: the number value of the text as plain
// decimal digits ("00123" gives "123", an empty text "0").
QString statementNumber(const QString& typed);

// A number read back from the database as the statements write it: a number field as it reads,
// text holding a number by its value (" 00123" gives "123"). Null, and text that is no number,
// give nothing: such a value can equal no numeric key, so the look-up it would feed is skipped.
std::optional<QString> statementNumber(const QVariant& stored);

// A date before quoting: "yyyy-MM-dd", with " HH:mm:ss" when it has a time of day (an invalid
// date gives "").
QString statementDate(const QDateTime& value);

} // namespace consignment
