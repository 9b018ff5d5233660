#pragma once

#include "platform/runtime/Number.h"

#include <QString>
#include <QVariant>

namespace runtime {

// Val: blanks skipped anywhere, sign, digits, point, E/D exponent, "&H" hex; plain digits stay exact integers.
Number Val(const QString& text);
// Val rounded the way CLng rounds (half to even); Overflow beyond 64 bits.
qint64 ValLong(const QString& text);

// IsNumeric: numbers and Booleans; text of blanks, sign, digits, one point, E/D exponent, or "&H" hex.
bool IsNumeric(const QVariant& value);

} // namespace runtime
