#pragma once

#include <QVariant>

namespace runtime {

// How the runtime helpers treat a field or variable value.
enum class ValueKind { Null, Text, Integer, Real, Boolean, Date, Other };

// Null: an invalid QVariant, a typed null (a database NULL) or an invalid QDate/QDateTime.
ValueKind KindOf(const QVariant& value);
// IsNull: true for the Null kind above; an empty QString is not Null.
bool IsNull(const QVariant& value);
// The date and time a Date-kind value holds (a QDate gets midnight).
QDateTime DateTimeOf(const QVariant& value);

} // namespace runtime
