#pragma once

#include <QString>

namespace followup {

// The number a text box holds, as plain digits without leading zeros: the digits read from the
// left, blanks skipped, up to the first other character; "0" when there are none. Digits stay
// digits, never a floating-point value, so a number of any length reaches a statement exactly.
QString numberDigits(const QString& text);

} // namespace followup
